#include "framework/application_event.h"

#include <utility>

CApplicationEvent::CApplicationEvent() = default;

CApplicationEvent::CApplicationEvent(const CApplicationEvent& other)
    : Container(other), fields_(other.fields_), data_(qo::HoldClone(other.data_.get())) {}

CApplicationEvent& CApplicationEvent::operator=(const CApplicationEvent& other) {
  qo::Held<IDataContainer> data = qo::HoldClone(other.data_.get());  // the one step that may fail
  fields_ = other.fields_;
  data_ = std::move(data);
  return *this;
}

CApplicationEvent::~CApplicationEvent() = default;

HRESULT CApplicationEvent::SetApplicationEvent(std::uint32_t eventId, std::uint32_t kind,
                                               IDataContainer* data) {
  if (kind > kHighestKind || eventId == 0) return E_FAIL;
  if (fields_.eventId != 0) return qo::kEventAlreadySet;
  data_ = qo::HoldClone(data);
  fields_.eventId = eventId;
  fields_.kind = kind;
  return S_OK;
}

std::uint32_t CApplicationEvent::GetEventId() { return fields_.eventId; }

std::uint32_t CApplicationEvent::GetEventKind() { return fields_.kind; }

IDataContainer* CApplicationEvent::GetEventData() { return data_.get(); }
