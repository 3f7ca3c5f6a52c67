// The property bag behind IGenericDataContainer.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "qodata/container_base.h"
#include "qodata/generic.h"

namespace qo {

class CGenericData final
    : public Container<CGenericData, CONTAINER_GENERIC_DATA, IGenericDataContainer> {
 public:
  CGenericData();
  CGenericData(const CGenericData& other);
  // Every entry is copied, each held container as a clone of its own.
  CGenericData& operator=(const CGenericData& other);
  ~CGenericData() override;

  std::int32_t SetContainer(String key, IDataContainer* container) override;
  std::int32_t SetInteger(String key, std::int32_t value) override;
  std::int32_t SetString(String key, String value) override;
  std::int32_t GetContainer(String key, IDataContainer** out) override;
  std::int32_t GetInteger(String key, std::int32_t* out) override;
  std::int32_t GetString(String key, String* out) override;
  std::int32_t GetBoolean(String key, std::int32_t* out) override;

 private:
  // The three values of one key, side by side.
  struct Entry {
    String text;
    std::int32_t integer = 0;
    Held<IDataContainer> container;
  };
  using Entries = std::unordered_map<String, Entry>;

  static Entries CopyEntries(const Entries& source);
  const Entry* Find(const String& key) const;

  Entries entries_;
};

}  // namespace qo
