/// @file
/// qo::HeldList<T>: the list under the containers that keep a list of containers (data
/// collection, credit list, advertisement list, message list). It owns one reference to each
/// entry and releases it when the entry is removed or the list dies; a copy of the list holds
/// copies of the entries (as qo::Cloned makes them), in order.
#pragma once

#include <cstdint>
#include <utility>

#include "qodata/container_base.h"
#include "qodata/ptr_list.h"

namespace qo {

/// An ordered list of owned references walked with POSITION handles. Copies copy every entry;
/// a copy, assignment or append that throws leaves the target as it was.
template <class T>
class HeldList {
 public:
  /// An empty list.
  HeldList() = default;
  /// Copies of other's entries, in order. Delegating, so that a copy failing halfway is
  /// released again by the destructor.
  HeldList(const HeldList& other) : HeldList() {
    for (POSITION p = Walked(other).GetHeadPosition(); p != nullptr;) {
      AddTail(Held<T>::Adopt(detail::CopyOf(Walked(other).GetNext(p))));
    }
  }
  /// Takes over other's entries; other is left empty.
  HeldList(HeldList&& other) noexcept { entries_.swap(other.entries_); }
  /// Replaces the entries by other's (copied or moved in before ours are released).
  HeldList& operator=(HeldList other) noexcept {
    entries_.swap(other.entries_);
    return *this;
  }
  ~HeldList() { RemoveAll(); }

  /// Appends copies of other's entries after this list's own, in order.
  void AppendCopiesOf(const HeldList& other) {
    HeldList copies(other);
    const std::int32_t before = entries_.GetCount();
    try {
      entries_.AddTail(copies.entries_);
    } catch (...) {
      while (entries_.GetCount() > before) entries_.RemoveTail();  // still owned by copies
      throw;
    }
    copies.entries_.RemoveAll();  // the references are this list's now
  }

  /// @name Adding
  ///@{

  /// Adds the held reference at the head or the tail; should the list fail to grow, the
  /// reference is released.
  void AddHead(Held<T> entry) {
    entries_.AddHead(entry.get());
    entry.release();
  }
  void AddTail(Held<T> entry) {
    entries_.AddTail(entry.get());
    entry.release();
  }
  ///@}

  /// Null for an empty list.
  POSITION GetHeadPosition() { return entries_.GetHeadPosition(); }
  /// The entry at the position, lent; the position moves on (null after the last). A null
  /// position gives null.
  T* GetNext(POSITION& position) {
    return position != nullptr ? entries_.GetNext(position) : nullptr;
  }
  /// The number of entries.
  std::int32_t GetCount() { return entries_.GetCount(); }
  /// Releases the entry at a valid position and removes it (a null position removes nothing).
  void RemoveAt(POSITION position) {
    if (position == nullptr) return;
    Held<T> entry = Held<T>::Adopt(entries_.GetAt(position));
    entries_.RemoveAt(position);
  }
  /// Releases every entry, head to tail, and empties the list.
  void RemoveAll() noexcept {
    while (!entries_.IsEmpty()) Held<T>::Adopt(entries_.RemoveHead()).reset();
  }

 private:
  // Walking a PtrList does not change it, though the list does not declare its walk const.
  static PtrList<T>& Walked(const HeldList& list) { return const_cast<PtrList<T>&>(list.entries_); }

  PtrList<T> entries_;
};

}  // namespace qo
