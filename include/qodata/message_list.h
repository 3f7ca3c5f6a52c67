/// @file
/// The message list (type code 19): an ordered list of messages that owns a copy of each
/// message put into it. The messages it hands out are lent: they stay owned by the list until
/// it is cleared or destroyed.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/message.h"
#include "qodata/types.h"

/// An ordered list of messages (type code 19) that owns a copy of each and lends them.
class IMessageList : public IDataContainer {
 public:
  /// Puts message->Copy() at the head; the caller keeps its message and its holders.
  virtual void AddHead(IMessage* message) = 0;
  /// Releases every message, head to tail, and empties the list.
  virtual void clear() = 0;
  /// The number of messages.
  virtual std::int32_t GetSize() = 0;
  /// Null when the list is empty.
  virtual POSITION GetHeadPosition() = 0;
  /// The message at the position (lent), moving the position on; null after the tail.
  virtual IMessage* GetNext(POSITION& position) = 0;

 protected:
  ~IMessageList() = default;
};

QODATA_INTERFACE_CODE(IMessageList, CONTAINER_MESSAGE_LIST);
