#include "messaging/message_list.h"

CNMessageList::CNMessageList() = default;

CNMessageList& CNMessageList::operator=(const CNMessageList& other) {
  messages_ = other.messages_;  // copied first: a failure leaves this list as it was
  return *this;
}

CNMessageList::~CNMessageList() = default;

// The list never keeps the caller's object: it holds a Copy of its own.
void CNMessageList::AddHead(IMessage* message) {
  if (message != nullptr) messages_.AddHead(qo::Held<IMessage>::Adopt(message->Copy()));
}

void CNMessageList::clear() { messages_.RemoveAll(); }

std::int32_t CNMessageList::GetSize() { return messages_.GetCount(); }

POSITION CNMessageList::GetHeadPosition() { return messages_.GetHeadPosition(); }

IMessage* CNMessageList::GetNext(POSITION& position) { return messages_.GetNext(position); }
