// The generic event behind IGenericEvent.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "qodata/container_base.h"
#include "qodata/generic.h"

class CGenericEvent final
    : public qo::Container<CGenericEvent, CONTAINER_GENERIC_EVENT, IGenericEvent> {
 public:
  CGenericEvent();
  CGenericEvent(const CGenericEvent& other);
  CGenericEvent& operator=(const CGenericEvent& other);
  ~CGenericEvent() override;

  std::int32_t AddString(qo::String text) override;
  std::int32_t RemoveString(qo::String text) override;
  std::int32_t GetStrings(qo::StringList& out) override;
  void SetNumber(std::uint32_t number) override;
  std::uint32_t GetNumber() override;
  void SetText(qo::String text) override;
  qo::String GetText() override;

  // What a copy carries, as one value.
  struct Fields {
    std::unordered_set<qo::String> strings;
    std::uint32_t number = 0;  // our choice of starting value
    qo::String text;
    bool operator==(const Fields&) const = default;
  };
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};
