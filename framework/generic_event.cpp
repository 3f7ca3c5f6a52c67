#include "framework/generic_event.h"

#include <utility>

CGenericEvent::CGenericEvent() = default;

CGenericEvent::CGenericEvent(const CGenericEvent& other)
    : Container(other), strings_(other.strings_), number_(other.number_), text_(other.text_) {}

CGenericEvent& CGenericEvent::operator=(const CGenericEvent& other) {
  auto strings = other.strings_;  // copied first: a throwing copy leaves this event unchanged
  qo::String text = other.text_;
  strings_.swap(strings);
  text_.swap(text);
  number_ = other.number_;
  return *this;
}

CGenericEvent::~CGenericEvent() = default;

std::int32_t CGenericEvent::AddString(qo::String text) {
  strings_.insert(std::move(text));
  return 1;
}

std::int32_t CGenericEvent::RemoveString(qo::String text) { return strings_.erase(text) != 0 ? 1 : 0; }

std::int32_t CGenericEvent::GetStrings(qo::StringList& out) {
  out.assign(strings_.begin(), strings_.end());
  return static_cast<std::int32_t>(out.size());
}

void CGenericEvent::SetNumber(std::uint32_t number) { number_ = number; }

std::uint32_t CGenericEvent::GetNumber() { return number_; }

void CGenericEvent::SetText(qo::String text) { text_ = std::move(text); }

qo::String CGenericEvent::GetText() { return text_; }

