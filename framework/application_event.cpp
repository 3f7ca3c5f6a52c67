#include "framework/application_event.h"

#include <utility>

CApplicationEvent::CApplicationEvent() = default;

CApplicationEvent::CApplicationEvent(const CApplicationEvent& other)
    : Container(other),
      data_(qo::HoldClone(other.data_.get())),
      eventId_(other.eventId_),
      kind_(other.kind_) {}

CApplicationEvent& CApplicationEvent::operator=(const CApplicationEvent& other) {
  qo::Held<IDataContainer> data = qo::HoldClone(other.data_.get());
  data_ = std::move(data);
  eventId_ = other.eventId_;
  kind_ = other.kind_;
  return *this;
}

CApplicationEvent::~CApplicationEvent() = default;

HRESULT CApplicationEvent::SetApplicationEvent(std::uint32_t eventId, std::uint32_t kind,
                                               IDataContainer* data) {
  if (kind > kHighestKind || eventId == 0) return E_FAIL;
  if (eventId_ != 0) return qo::kEventAlreadySet;
  data_ = qo::HoldClone(data);
  eventId_ = eventId;
  kind_ = kind;
  return S_OK;
}

std::uint32_t CApplicationEvent::GetEventId() { return eventId_; }

std::uint32_t CApplicationEvent::GetEventKind() { return kind_; }

IDataContainer* CApplicationEvent::GetEventData() { return data_.get(); }

