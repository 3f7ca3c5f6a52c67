// The message list behind IMessageList, reached only through the interface (the factory
// makes it for code 19).
#pragma once

#include <cstdint>

#include "qodata/container_base.h"
#include "qodata/held_list.h"
#include "qodata/message_list.h"

// Walked from the head, the list meets the messages newest first. It owns one holder of each
// message it keeps, released by clear, by assignment and by its destruction.
class CNMessageList final
    : public qo::Container<CNMessageList, CONTAINER_MESSAGE_LIST, IMessageList> {
 public:
  CNMessageList();
  CNMessageList(const CNMessageList&) = delete;
  // Replaces this list's messages by copies of the other's, in the same order (Clone uses it).
  CNMessageList& operator=(const CNMessageList& other);
  ~CNMessageList() override;

  // Our choice: a null message is ignored.
  void AddHead(IMessage* message) override;
  void clear() override;
  std::int32_t GetSize() override;
  POSITION GetHeadPosition() override;
  // Our choice: a null position gives null and stays null.
  IMessage* GetNext(POSITION& position) override;

 private:
  qo::HeldList<IMessage> messages_;  // copies of their own, newest at the head
};
