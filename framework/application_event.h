// The set-once application event behind IApplicationEvent.
#pragma once

#include <cstdint>

#include "qodata/container_base.h"
#include "qodata/generic.h"

class CApplicationEvent final
    : public qo::Container<CApplicationEvent, CONTAINER_APPLICATION_EVENT, IApplicationEvent> {
 public:
  CApplicationEvent();
  CApplicationEvent(const CApplicationEvent& other);
  // The copy holds its own clone of the source's data; an unset source gives an unset event.
  CApplicationEvent& operator=(const CApplicationEvent& other);
  ~CApplicationEvent() override;

  HRESULT SetApplicationEvent(std::uint32_t eventId, std::uint32_t kind,
                              IDataContainer* data) override;
  std::uint32_t GetEventId() override;
  std::uint32_t GetEventKind() override;
  IDataContainer* GetEventData() override;

 private:
  static constexpr std::uint32_t kUnsetKind = 9;
  static constexpr std::uint32_t kHighestKind = 8;

 public:
  // What a copy carries, as one value, beside a clone of the data.
  struct Fields {
    std::uint32_t eventId = 0;  // 0: not set
    std::uint32_t kind = kUnsetKind;
    bool operator==(const Fields&) const = default;
  };
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
  qo::Held<IDataContainer> data_;
};
