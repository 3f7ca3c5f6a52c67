/// @file
/// qo::PtrList<T>: a doubly linked list of T pointers walked with POSITION handles, the list
/// under CUserList and CAdsList. The list stores the pointers only: it never frees what they
/// point to (the classes built on it decide that). A POSITION stays valid until its entry is
/// removed or the list is emptied.
#pragma once

#include <cstdint>
#include <utility>

namespace qo {
struct PositionTag;  ///< Never defined: a POSITION is only ever compared and handed back
}  // namespace qo
/// A place in a qo::PtrList; null is "none".
using POSITION = qo::PositionTag*;

namespace qo {

/// A doubly linked list of T pointers walked with POSITION handles. It stores the pointers
/// only and never frees what they point to; a POSITION stays valid until its entry is removed
/// or the list is emptied.
template <class T>
class PtrList {
 public:
  PtrList() = default;
  /// A list is not copied (AddTail of another list copies its pointers).
  PtrList(const PtrList&) = delete;
  /// Nor assigned.
  PtrList& operator=(const PtrList&) = delete;
  ~PtrList() { RemoveAll(); }

  /// Adds item (not a copy of what it points to) at the head; its position.
  POSITION AddHead(T* item) { return InsertNode(nullptr, head_, item); }
  /// The same at the tail.
  POSITION AddTail(T* item) { return InsertNode(tail_, nullptr, item); }
  /// Adds the other list's pointers (not copies of what they point to), keeping their order.
  /// The count is taken first, so that adding a list to itself doubles it once.
  void AddHead(const PtrList& other) {
    Node* n = other.tail_;
    for (std::int32_t left = other.count_; left > 0; --left, n = n->prev) AddHead(n->item);
  }
  /// The same at the tail.
  void AddTail(const PtrList& other) {
    Node* n = other.head_;
    for (std::int32_t left = other.count_; left > 0; --left, n = n->next) AddTail(n->item);
  }

  /// The pointer at the head; null for an empty list.
  T* GetHead() { return head_ ? head_->item : nullptr; }
  /// The pointer at the tail; null for an empty list.
  T* GetTail() { return tail_ ? tail_->item : nullptr; }
  /// The position of the head; null for an empty list.
  POSITION GetHeadPosition() { return ToPosition(head_); }
  /// The position of the tail; null for an empty list.
  POSITION GetTailPosition() { return ToPosition(tail_); }

  /// Returns the entry at the position and moves the position on (null past the end).
  T* GetNext(POSITION& position) {
    Node* node = ToNode(position);
    position = ToPosition(node->next);
    return node->item;
  }
  /// Returns the entry at the position and moves the position back (null before the head).
  T* GetPrev(POSITION& position) {
    Node* node = ToNode(position);
    position = ToPosition(node->prev);
    return node->item;
  }
  /// The pointer stored at a valid position.
  T* GetAt(POSITION position) { return ToNode(position)->item; }
  /// Replaces the pointer stored at a valid position; the old one is not freed.
  void SetAt(POSITION position, T* item) { ToNode(position)->item = item; }

  /// Removes the head entry and returns its pointer; null on an empty list.
  T* RemoveHead() { return head_ ? Unlink(head_) : nullptr; }
  /// The same at the tail.
  T* RemoveTail() { return tail_ ? Unlink(tail_) : nullptr; }
  /// Removes the entry at a valid position; what it points to is not freed.
  void RemoveAt(POSITION position) { Unlink(ToNode(position)); }

  /// Inserts item before the position and returns the new entry's position. A null
  /// position inserts at the head (InsertBefore) or the tail (InsertAfter).
  POSITION InsertBefore(POSITION position, T* item) {
    Node* next = position ? ToNode(position) : head_;
    return InsertNode(next ? next->prev : nullptr, next, item);
  }
  /// The same after the position.
  POSITION InsertAfter(POSITION position, T* item) {
    Node* prev = position ? ToNode(position) : tail_;
    return InsertNode(prev, prev ? prev->next : nullptr, item);
  }

  /// The first entry holding exactly this pointer, searching after startAfter (or from the head).
  POSITION Find(T* item, POSITION startAfter = nullptr) {
    for (Node* n = startAfter ? ToNode(startAfter)->next : head_; n != nullptr; n = n->next) {
      if (n->item == item) return ToPosition(n);
    }
    return nullptr;
  }
  /// The position of the entry with this zero-based index; null when out of range.
  POSITION FindIndex(std::int32_t index) {
    if (index < 0 || index >= count_) return nullptr;
    Node* n = head_;
    while (index-- > 0) n = n->next;
    return ToPosition(n);
  }

  /// The number of entries.
  std::int32_t GetCount() { return count_; }
  /// The number of entries, as GetCount.
  std::int32_t GetSize() { return count_; }
  /// Whether the list has no entry.
  bool IsEmpty() { return count_ == 0; }
  /// Drops every entry; the pointed-to objects are not touched.
  void RemoveAll() {
    while (head_ != nullptr) Unlink(head_);
  }
  /// Exchanges the entries of two lists; positions stay valid and move with their entries.
  void swap(PtrList& other) noexcept {
    std::swap(head_, other.head_);
    std::swap(tail_, other.tail_);
    std::swap(count_, other.count_);
  }

 private:
  struct Node {
    Node* prev;
    Node* next;
    T* item;
  };

  static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
  static Node* ToNode(POSITION position) { return reinterpret_cast<Node*>(position); }

  POSITION InsertNode(Node* prev, Node* next, T* item) {
    Node* node = new Node{prev, next, item};  // may throw; the list is untouched then
    (prev ? prev->next : head_) = node;
    (next ? next->prev : tail_) = node;
    ++count_;
    return ToPosition(node);
  }
  T* Unlink(Node* node) {
    (node->prev ? node->prev->next : head_) = node->next;
    (node->next ? node->next->prev : tail_) = node->prev;
    T* item = node->item;
    delete node;
    --count_;
    return item;
  }

  Node* head_ = nullptr;
  Node* tail_ = nullptr;
  std::int32_t count_ = 0;
};

}  // namespace qo
