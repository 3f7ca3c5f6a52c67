// The generic event behind IGenericEvent.
#pragma once

#include <cstdint>
#include <unordered_set>

#include "qodata/container_base.h"
#include "qodata/generic.h"

namespace qo {

class CGenericEvent final
    : public Container<CGenericEvent, CONTAINER_GENERIC_EVENT, IGenericEvent> {
 public:
  CGenericEvent();
  CGenericEvent(const CGenericEvent& other);
  CGenericEvent& operator=(const CGenericEvent& other);
  ~CGenericEvent() override;

  std::int32_t AddString(String text) override;
  std::int32_t RemoveString(String text) override;
  std::int32_t GetStrings(StringList& out) override;
  void SetNumber(std::uint32_t number) override;
  std::uint32_t GetNumber() override;
  void SetText(String text) override;
  String GetText() override;

 private:
  std::unordered_set<String> strings_;
  std::uint32_t number_ = 0;  // our choice of starting value
  String text_;
};

}  // namespace qo
