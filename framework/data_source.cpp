#include "qodata/data_source.h"

#include <utility>

CQoDataSource::CQoDataSource() = default;

CQoDataSource::CQoDataSource(tagCONTAINER_DATATYPE type, IDataContainer* data)
    : fields_{type, qo::Cloned<IDataContainer>::Of(data)} {}

CQoDataSource::CQoDataSource(const CQoDataSource& other) = default;

// The data type is always copied; the container only when the source holds one: a source
// without a container leaves the target's container as it was (as SetData(nullptr) does).
CQoDataSource& CQoDataSource::operator=(const CQoDataSource& other) {
  Fields copy = other.fields_;  // may throw; the target is untouched until it succeeded
  if (!copy.data) copy.data = std::move(fields_.data);
  fields_ = std::move(copy);
  return *this;
}

CQoDataSource& CQoDataSource::operator&(const CQoDataSource& other) { return *this = other; }

CQoDataSource::~CQoDataSource() = default;

void CQoDataSource::SetData(tagCONTAINER_DATATYPE type, IDataContainer* data) {
  fields_.data = qo::Cloned<IDataContainer>::Of(data);
  fields_.type = type;
}

std::int32_t CQoDataSource::GetDataInterface(tagCONTAINER_DATATYPE code, void** out) {
  return Container::GetDataInterface(code, out);
}

void CQoDataSource::SetDataType(tagCONTAINER_DATATYPE type) { fields_.type = type; }

void CQoDataSource::SetData(IDataContainer* data) {
  if (data == nullptr) return;
  SetData(fields_.type, data);
}

tagCONTAINER_DATATYPE CQoDataSource::GetDataType() { return fields_.type; }

IDataContainer* CQoDataSource::GetData() { return fields_.data.get(); }

void* CQoDataSource::QueryHeld(tagCONTAINER_DATATYPE code) {
  void* found = nullptr;
  if (fields_.data && fields_.data->GetDataInterface(code, &found) == 1) return found;
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
