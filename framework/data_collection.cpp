#include "framework/data_collection.h"

#include <utility>

CQoDataCollection::CQoDataCollection() = default;

CQoDataCollection::CQoDataCollection(const CQoDataCollection& other) = default;

CQoDataCollection& CQoDataCollection::operator=(const CQoDataCollection& other) {
  if (this == &other) return *this;  // what it holds stays, lent pointers included
  Fields copy = other.fields_;       // may throw; this collection is untouched until it succeeded
  fields_ = std::move(copy);
  return *this;
}

CQoDataCollection::~CQoDataCollection() = default;

POSITION CQoDataCollection::GetHeadPosition() { return fields_.items.GetHeadPosition(); }

IDataContainer* CQoDataCollection::GetNext(POSITION& position) {
  return fields_.items.GetNext(position);
}

std::int32_t CQoDataCollection::Add(IDataContainer* container) {
  // A null container has nothing to clone: nothing is added.
  if (container == nullptr) return 0;
  fields_.items.AddTail(qo::HoldClone(container));
  return 0;
}

std::int32_t CQoDataCollection::GetCount() { return fields_.items.GetCount(); }

void CQoDataCollection::SetUserValue(std::uint32_t value) { fields_.userValue = value; }

std::uint32_t CQoDataCollection::GetUserValue() { return fields_.userValue; }

void CQoDataCollection::RemoveAll() { fields_.items.RemoveAll(); }

void CQoDataCollection::RemoveAt(POSITION& position) { fields_.items.RemoveAt(position); }
