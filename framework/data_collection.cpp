#include "framework/data_collection.h"

CQoDataCollection::CQoDataCollection() = default;

CQoDataCollection::CQoDataCollection(const CQoDataCollection& other)
    : Container(other), userValue_(other.userValue_) {
  AppendClonesOf(other);
}

CQoDataCollection& CQoDataCollection::operator=(const CQoDataCollection& other) {
  if (this == &other) return *this;
  // The clones are appended first and the old items dropped after, so that a failing clone
  // leaves this collection as it was.
  const std::int32_t oldCount = items_.GetCount();
  AppendClonesOf(other);
  for (std::int32_t i = 0; i < oldCount; ++i) {
    qo::Held<IDataContainer> old = qo::Held<IDataContainer>::Adopt(items_.RemoveHead());
  }
  userValue_ = other.userValue_;
  return *this;
}

CQoDataCollection::~CQoDataCollection() { RemoveAll(); }

void CQoDataCollection::AppendClonesOf(const CQoDataCollection& source) {
  // The list's walk does not change it, though qo::PtrList does not declare it const.
  auto& sourceItems = const_cast<qo::PtrList<IDataContainer>&>(source.items_);
  const std::int32_t before = items_.GetCount();
  try {
    for (POSITION p = sourceItems.GetHeadPosition(); p != nullptr;) Add(sourceItems.GetNext(p));
  } catch (...) {
    while (items_.GetCount() > before) {
      qo::Held<IDataContainer> appended = qo::Held<IDataContainer>::Adopt(items_.RemoveTail());
    }
    throw;
  }
}

POSITION CQoDataCollection::GetHeadPosition() { return items_.GetHeadPosition(); }

IDataContainer* CQoDataCollection::GetNext(POSITION& position) {
  if (position == nullptr) return nullptr;
  return items_.GetNext(position);
}

std::int32_t CQoDataCollection::Add(IDataContainer* container) {
  // A null container has nothing to clone: nothing is added.
  if (container == nullptr) return 0;
  qo::Held<IDataContainer> copy = qo::HoldClone(container);
  items_.AddTail(copy.get());
  copy.release();  // the list owns it now
  return 0;
}

std::int32_t CQoDataCollection::GetCount() { return items_.GetCount(); }

void CQoDataCollection::SetUserValue(std::uint32_t value) { userValue_ = value; }

std::uint32_t CQoDataCollection::GetUserValue() { return userValue_; }

void CQoDataCollection::RemoveAll() {
  while (!items_.IsEmpty()) {
    qo::Held<IDataContainer> item = qo::Held<IDataContainer>::Adopt(items_.RemoveHead());
  }
}

void CQoDataCollection::RemoveAt(POSITION& position) {
  if (position == nullptr) return;
  qo::Held<IDataContainer> item = qo::Held<IDataContainer>::Adopt(items_.GetAt(position));
  items_.RemoveAt(position);
}
