#include "framework/application_event.h"

#include <utility>

namespace qo {

CApplicationEvent::CApplicationEvent() = default;

CApplicationEvent::CApplicationEvent(const CApplicationEvent& other)
    : Container(other),
      data_(HoldClone(other.data_.get())),
      eventId_(other.eventId_),
      kind_(other.kind_) {}

CApplicationEvent& CApplicationEvent::operator=(const CApplicationEvent& other) {
  Held<IDataContainer> data = HoldClone(other.data_.get());
  data_ = std::move(data);
  eventId_ = other.eventId_;
  kind_ = other.kind_;
  return *this;
}

CApplicationEvent::~CApplicationEvent() = default;

HRESULT CApplicationEvent::SetApplicationEvent(std::uint32_t eventId, std::uint32_t kind,
                                               IDataContainer* data) {
  if (kind > kHighestKind || eventId == 0) return E_FAIL;
  if (eventId_ != 0) return kEventAlreadySet;
  data_ = HoldClone(data);
  eventId_ = eventId;
  kind_ = kind;
  return S_OK;
}

std::uint32_t CApplicationEvent::GetEventId() { return eventId_; }

std::uint32_t CApplicationEvent::GetEventKind() { return kind_; }

IDataContainer* CApplicationEvent::GetEventData() { return data_.get(); }

}  // namespace qo
