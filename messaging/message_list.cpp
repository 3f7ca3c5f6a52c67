#include "messaging/message_list.h"

#include <utility>

namespace {

// A held copy of the message: the list never keeps the caller's object.
qo::Held<IMessage> CopyOf(IMessage* message) { return qo::Held<IMessage>::Adopt(message->Copy()); }

}  // namespace

CNMessageList::Chain::~Chain() { Clear(); }

void CNMessageList::Chain::Clear() {
  while (IMessage* message = entries.RemoveHead()) message->Release();
}

CNMessageList::CNMessageList() : messages_(std::make_unique<Chain>()) {}

CNMessageList& CNMessageList::operator=(const CNMessageList& other) {
  // The copies are gathered in a chain of their own first, so that a failure leaves this
  // list as it was; the old messages are released when the swapped-out chain dies.
  auto copies = std::make_unique<Chain>();
  for (POSITION at = other.messages_->entries.GetHeadPosition(); at != nullptr;) {
    qo::Held<IMessage> copy = CopyOf(other.messages_->entries.GetNext(at));
    copies->entries.AddTail(copy.get());  // may throw: the held copy is released then
    copy.release();
  }
  messages_.swap(copies);
  return *this;
}

CNMessageList::~CNMessageList() = default;

void CNMessageList::AddHead(IMessage* message) {
  if (message == nullptr) return;
  qo::Held<IMessage> copy = CopyOf(message);
  messages_->entries.AddHead(copy.get());  // may throw: the held copy is released then
  copy.release();
}

void CNMessageList::clear() { messages_->Clear(); }

std::int32_t CNMessageList::GetSize() { return messages_->entries.GetSize(); }

POSITION CNMessageList::GetHeadPosition() { return messages_->entries.GetHeadPosition(); }

IMessage* CNMessageList::GetNext(POSITION& position) {
  if (position == nullptr) return nullptr;
  return messages_->entries.GetNext(position);
}
