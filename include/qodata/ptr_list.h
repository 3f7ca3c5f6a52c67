// qo::PtrList<T>: a doubly linked list of T pointers walked with POSITION handles, the list
// under CUserList and CAdsList. The list stores the pointers only: it never frees what they
// point to (the classes built on it decide that). A POSITION stays valid until its entry is
// removed or the list is emptied.
#pragma once

#include <cstdint>

namespace qo {
struct PositionTag;  // never defined: a POSITION is only ever compared and handed back
}  // namespace qo
using POSITION = qo::PositionTag*;

namespace qo {

template <class T>
class PtrList {
 public:
  PtrList() = default;
  PtrList(const PtrList&) = delete;
  PtrList& operator=(const PtrList&) = delete;
  ~PtrList() { RemoveAll(); }

  POSITION AddHead(T* item) { return InsertNode(nullptr, head_, item); }
  POSITION AddTail(T* item) { return InsertNode(tail_, nullptr, item); }
  // Adds the other list's pointers (not copies of what they point to), keeping their order.
  // The count is taken first, so that adding a list to itself doubles it once.
  void AddHead(const PtrList& other) {
    Node* n = other.tail_;
    for (std::int32_t left = other.count_; left > 0; --left, n = n->prev) AddHead(n->item);
  }
  void AddTail(const PtrList& other) {
    Node* n = other.head_;
    for (std::int32_t left = other.count_; left > 0; --left, n = n->next) AddTail(n->item);
  }

  // Head and tail of an empty list are null.
  T* GetHead() { return head_ ? head_->item : nullptr; }
  T* GetTail() { return tail_ ? tail_->item : nullptr; }
  POSITION GetHeadPosition() { return ToPosition(head_); }
  POSITION GetTailPosition() { return ToPosition(tail_); }

  // Return the entry at the position and move the position on (null past the end).
  T* GetNext(POSITION& position) {
    Node* node = ToNode(position);
    position = ToPosition(node->next);
    return node->item;
  }
  T* GetPrev(POSITION& position) {
    Node* node = ToNode(position);
    position = ToPosition(node->prev);
    return node->item;
  }
  T* GetAt(POSITION position) { return ToNode(position)->item; }
  void SetAt(POSITION position, T* item) { ToNode(position)->item = item; }

  // Remove the first or last entry and return its pointer; null on an empty list.
  T* RemoveHead() { return head_ ? Unlink(head_) : nullptr; }
  T* RemoveTail() { return tail_ ? Unlink(tail_) : nullptr; }
  void RemoveAt(POSITION position) { Unlink(ToNode(position)); }

  // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
  POSITION InsertBefore(POSITION position, T* item) {
    Node* next = position ? ToNode(position) : head_;
    return InsertNode(next ? next->prev : nullptr, next, item);
  }
  POSITION InsertAfter(POSITION position, T* item) {
    Node* prev = position ? ToNode(position) : tail_;
    return InsertNode(prev, prev ? prev->next : nullptr, item);
  }

  // The first entry holding exactly this pointer, searching after startAfter (or from the head).
  POSITION Find(T* item, POSITION startAfter = nullptr) {
    for (Node* n = startAfter ? ToNode(startAfter)->next : head_; n != nullptr; n = n->next) {
      if (n->item == item) return ToPosition(n);
    }
    return nullptr;
  }
  // The position of the entry with this zero-based index; null when out of range.
  POSITION FindIndex(std::int32_t index) {
    if (index < 0 || index >= count_) return nullptr;
    Node* n = head_;
    while (index-- > 0) n = n->next;
    return ToPosition(n);
  }

  std::int32_t GetCount() { return count_; }
  std::int32_t GetSize() { return count_; }
  bool IsEmpty() { return count_ == 0; }
  // Drops every entry; the pointed-to objects are not touched.
  void RemoveAll() {
    while (head_ != nullptr) Unlink(head_);
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
