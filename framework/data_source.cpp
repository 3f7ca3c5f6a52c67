#include "qodata/data_source.h"

#include <utility>

CQoDataSource::CQoDataSource() = default;

CQoDataSource::CQoDataSource(tagCONTAINER_DATATYPE type, IDataContainer* data)
    : type_(type), data_(qo::HoldClone(data)) {}

CQoDataSource::CQoDataSource(const CQoDataSource& other)
    : Container(other), type_(other.type_), data_(qo::HoldClone(other.data_.get())) {}

// The data type is always copied; the container only when the source holds one: a source
// without a container leaves the target's container as it was (as SetData(nullptr) does).
CQoDataSource& CQoDataSource::operator=(const CQoDataSource& other) {
  if (other.data_) {
    qo::Held<IDataContainer> copy = qo::HoldClone(other.data_.get());  // before releasing ours
    data_ = std::move(copy);
  }
  type_ = other.type_;
  return *this;
}

CQoDataSource& CQoDataSource::operator&(const CQoDataSource& other) { return *this = other; }

CQoDataSource::~CQoDataSource() = default;

void CQoDataSource::SetData(tagCONTAINER_DATATYPE type, IDataContainer* data) {
  qo::Held<IDataContainer> copy = qo::HoldClone(data);
  data_ = std::move(copy);
  type_ = type;
}

std::int32_t CQoDataSource::GetDataInterface(tagCONTAINER_DATATYPE code, void** out) {
  return Container::GetDataInterface(code, out);
}

void CQoDataSource::SetDataType(tagCONTAINER_DATATYPE type) { type_ = type; }

void CQoDataSource::SetData(IDataContainer* data) {
  if (data == nullptr) return;
  SetData(type_, data);
}

tagCONTAINER_DATATYPE CQoDataSource::GetDataType() { return type_; }

IDataContainer* CQoDataSource::GetData() { return data_.get(); }

void* CQoDataSource::QueryHeld(tagCONTAINER_DATATYPE code) {
  void* found = nullptr;
  if (data_ && data_->GetDataInterface(code, &found) == 1) return found;
  return nullptr;
}

std::int32_t CQoDataSource::GetDataInterface(IBuddyProfile** out) {
  if (out == nullptr) return 0;
  *out = static_cast<IBuddyProfile*>(QueryHeld(CONTAINER_BUDDY_PROFILE));
  return *out != nullptr ? 1 : 0;
}

std::int32_t CQoDataSource::GetDataInterface(IUserProfile** out) {
  if (out == nullptr) return 0;
  *out = static_cast<IUserProfile*>(QueryHeld(CONTAINER_USER_PROFILE));
  return *out != nullptr ? 1 : 0;
}
