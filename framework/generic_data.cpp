#include "framework/generic_data.h"

#include <utility>

CGenericData::CGenericData() = default;

CGenericData::CGenericData(const CGenericData& other) = default;

CGenericData& CGenericData::operator=(const CGenericData& other) {
  Entries copy = other.entries_;  // before touching ours: safe for self-assignment
  entries_.swap(copy);
  return *this;
}

CGenericData::~CGenericData() = default;

const CGenericData::Entry* CGenericData::Find(const qo::String& key) const {
  auto found = entries_.find(key);
  return found != entries_.end() ? &found->second : nullptr;
}

std::int32_t CGenericData::SetContainer(qo::String key, IDataContainer* container) {
  auto copy = qo::Cloned<IDataContainer>::Of(container);  // taken before the old one goes
  entries_[std::move(key)].container = std::move(copy);
  return 1;
}

std::int32_t CGenericData::SetInteger(qo::String key, std::int32_t value) {
  entries_[std::move(key)].integer = value;
  return 1;
}

std::int32_t CGenericData::SetString(qo::String key, qo::String value) {
  entries_[std::move(key)].text = std::move(value);
  return 1;
}

std::int32_t CGenericData::GetContainer(qo::String key, IDataContainer** out) {
  if (out == nullptr) return 0;
  const Entry* entry = Find(key);
  if (entry == nullptr) return 0;
  // An entry made by SetInteger or SetString has no container to hand out: 0, and null is
  // written so that the caller never reads a stale pointer.
  if (!entry->container) {
    *out = nullptr;
    return 0;
  }
  *out = entry->container->Clone();
  return 1;
}

std::int32_t CGenericData::GetInteger(qo::String key, std::int32_t* out) {
  const Entry* entry = Find(key);
  if (out == nullptr || entry == nullptr) return 0;
  *out = entry->integer;
  return 1;
}

std::int32_t CGenericData::GetString(qo::String key, qo::String* out) {
  const Entry* entry = Find(key);
  if (out == nullptr || entry == nullptr) return 0;
  *out = entry->text;
  return 1;
}

std::int32_t CGenericData::GetBoolean(qo::String key, std::int32_t* out) {
  const Entry* entry = Find(key);
  if (out == nullptr || entry == nullptr) return 0;
  *out = entry->integer != 0 ? 1 : 0;
  return 1;
}
