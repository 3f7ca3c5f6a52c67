#include "framework/generic_event.h"

#include <utility>

CGenericEvent::CGenericEvent() = default;

CGenericEvent::CGenericEvent(const CGenericEvent& other) = default;

CGenericEvent& CGenericEvent::operator=(const CGenericEvent& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
  return *this;
}

CGenericEvent::~CGenericEvent() = default;

std::int32_t CGenericEvent::AddString(qo::String text) {
  fields_.strings.insert(std::move(text));
  return 1;
}

std::int32_t CGenericEvent::RemoveString(qo::String text) {
  return fields_.strings.erase(text) != 0 ? 1 : 0;
}

std::int32_t CGenericEvent::GetStrings(qo::StringList& out) {
  out.assign(fields_.strings.begin(), fields_.strings.end());
  return static_cast<std::int32_t>(out.size());
}

void CGenericEvent::SetNumber(std::uint32_t number) { fields_.number = number; }

std::uint32_t CGenericEvent::GetNumber() { return fields_.number; }

void CGenericEvent::SetText(qo::String text) { fields_.text = std::move(text); }

qo::String CGenericEvent::GetText() { return fields_.text; }
