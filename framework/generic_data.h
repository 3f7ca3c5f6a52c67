// The property bag behind IGenericDataContainer.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "qodata/container_base.h"
#include "qodata/generic.h"

class CGenericData final
    : public qo::Container<CGenericData, CONTAINER_GENERIC_DATA, IGenericDataContainer> {
 public:
  CGenericData();
  CGenericData(const CGenericData& other);
  // Every entry is copied, each held container as a clone of its own.
  CGenericData& operator=(const CGenericData& other);
  ~CGenericData() override;

  std::int32_t SetContainer(qo::String key, IDataContainer* container) override;
  std::int32_t SetInteger(qo::String key, std::int32_t value) override;
  std::int32_t SetString(qo::String key, qo::String value) override;
  std::int32_t GetContainer(qo::String key, IDataContainer** out) override;
  std::int32_t GetInteger(qo::String key, std::int32_t* out) override;
  std::int32_t GetString(qo::String key, qo::String* out) override;
  std::int32_t GetBoolean(qo::String key, std::int32_t* out) override;

 private:
  // The three values of one key, side by side; a copy of an entry holds a clone of its own.
  struct Entry {
    qo::String text;
    std::int32_t integer = 0;
    qo::Cloned<IDataContainer> container;
  };
  // The record that copies carry: every entry by its key.
  using Entries = std::unordered_map<qo::String, Entry>;

  const Entry* Find(const qo::String& key) const;

  Entries entries_;
};
