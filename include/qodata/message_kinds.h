/// @file
/// The kinds of message beside the plain one:
/// - CInboxMessage and COutboxMessage, received and outgoing messages. Both are CMessage
///   objects (type code 8) built only by direct construction. Their constructors file no
///   recipient, and their own assignments copy only the message proper (attachment, sender,
///   recipient, text, send medium, time stamp, unicode flag) and keep the target's holder count.
///   Clone and Copy on either give a plain CMessage.
/// - CSystemMessage (type code 7), a notice to the user. Each one made by its default or its
///   three-argument constructor is numbered by a process-wide counter (1 for the first); the
///   counter is not thread-safe, like the rest of the library.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/message.h"
#include "qodata/types.h"

/// A received message, built only by direct construction.
class QODATA_API CInboxMessage : public CMessage {
 public:
  CInboxMessage();
  /// A message of the values given; no recipient is filed.
  CInboxMessage(qo::String sender, qo::String recipient, qo::String message, qo::Time stamp,
                tagSEND_MEDIUM medium, bool unicode);
  /// A stamp text out of range throws qo::StatusError and nothing is constructed.
  CInboxMessage(qo::String sender, qo::String recipient, qo::String message, qo::String stamp,
                tagSEND_MEDIUM medium, bool unicode);
  /// A copy of the message proper, with one holder of its own.
  CInboxMessage(const CInboxMessage& other);
  /// Copies the message proper; the holder count stays.
  CInboxMessage& operator=(const CInboxMessage& other);
  /// The same as assignment; returns the target.
  CInboxMessage& operator&(const CInboxMessage& other);
  ~CInboxMessage() override;
};

/// An outgoing message with a delivery status and status time of its own, which getStatus and
/// getStatusTime answer. SetStatus and SetStatusTime write the plain message's fields, which
/// are what Clone and Copy carry.
class QODATA_API COutboxMessage : public CMessage {
 public:
  /// A message of the values given, with its own status and status time; no recipient is
  /// filed.
  COutboxMessage(qo::String sender, qo::String recipient, qo::String message, qo::Time stamp,
                 tagSEND_MEDIUM medium, qo::Time statusTime, std::int32_t status, bool unicode);
  /// Both texts are converted, the stamp first; one out of range throws qo::StatusError and
  /// nothing is constructed.
  COutboxMessage(qo::String sender, qo::String recipient, qo::String message, qo::String stamp,
                 tagSEND_MEDIUM medium, qo::String statusTime, std::int32_t status, bool unicode);
  /// A copy of the message proper and the outbox status, with one holder of its own.
  COutboxMessage(const COutboxMessage& other);
  /// Copies the message proper and the outbox status; the holder count stays.
  COutboxMessage& operator=(const COutboxMessage& other);
  /// The same as assignment; returns the target.
  COutboxMessage& operator&(const COutboxMessage& other);
  ~COutboxMessage() override;

  /// The outbox's own status, set at construction.
  std::int32_t getStatus() override;
  /// The outbox's own status time, set at construction.
  qo::Time getStatusTime() override;

  /// @cond
  // The outbox's own status, which its assignment carries beside the message core.
  struct OutboxFields {
    std::int32_t status = 0;
    qo::Time statusTime = 0;
    bool operator==(const OutboxFields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const OutboxFields& outboxFields() const { return outbox_; }

 private:
  OutboxFields outbox_;
};

/// A notice to the user (type code 7). Every value is stored and given back unread.
class ISystemMessage : public IDataContainer {
 public:
  /// @name Setting the values
  ///@{

  /// Each overload stores copies of the values it names and leaves the others as they were.
  virtual void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                             std::int32_t type, qo::String eventId, qo::String detail,
                             std::int32_t modal, std::int32_t isFinal) = 0;
  virtual void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                             std::int32_t type, qo::String eventId, qo::String detail,
                             std::int32_t modal) = 0;
  virtual void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                             std::int32_t type, qo::String eventId, qo::String detail) = 0;
  virtual void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                             std::int32_t type, qo::String eventId) = 0;
  virtual void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType) = 0;
  ///@}
  /// Sets the event identifier only.
  virtual void SetParameters(qo::String eventId) = 0;
  /// Keeps the address of the caller's variable (not its value); the caller owns it and keeps
  /// it alive for as long as it may be read through GetUserResponse.
  virtual void SetUserResponse(std::uint32_t& response) = 0;
  /// That address, or null.
  virtual std::uint32_t* GetUserResponse() = 0;
  /// @name Reading the values
  ///@{

  /// A copy of the stored value.
  virtual qo::String getMsgContent() = 0;
  virtual std::int32_t getMsgID() = 0;
  virtual std::int32_t getType() = 0;
  virtual qo::String getEventId() = 0;
  virtual SYSTEM_MSG_TYPE getMsgType() = 0;
  virtual std::int32_t IsFinal() = 0;
  virtual std::int32_t IsModal() = 0;
  ///@}

 protected:
  ~ISystemMessage() = default;
};

QODATA_INTERFACE_CODE(ISystemMessage, CONTAINER_SYSTEM_MESSAGE);

/// Offered for direct construction. The copy constructor copies every field, the message
/// number and the user-response address included; assignment copies every field but the
/// user-response address (and the holder count); Clone draws a new number from the counter,
/// then takes the source's by assignment, so it carries the source's number and no response.
/// @implements ISystemMessage
class QODATA_API CSystemMessage
    : public qo::Container<CSystemMessage, CONTAINER_SYSTEM_MESSAGE, ISystemMessage> {
 public:
  CSystemMessage();
  /// The third argument is accepted and not used.
  CSystemMessage(qo::String content, SYSTEM_MSG_TYPE msgType, std::int32_t unused);
  /// Copies every field, number and user-response address included; one holder of its own.
  CSystemMessage(const CSystemMessage& other);
  /// Copies every field but the user-response address; the holder count stays.
  CSystemMessage& operator=(const CSystemMessage& other);
  /// The same as assignment; returns the target.
  CSystemMessage& operator&(const CSystemMessage& other);
  ~CSystemMessage() override;

  void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                     std::int32_t type, qo::String eventId, qo::String detail, std::int32_t modal,
                     std::int32_t isFinal) override;
  void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                     std::int32_t type, qo::String eventId, qo::String detail,
                     std::int32_t modal) override;
  void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                     std::int32_t type, qo::String eventId, qo::String detail) override;
  void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType,
                     std::int32_t type, qo::String eventId) override;
  void SetParameters(qo::String content, std::int32_t msgId, SYSTEM_MSG_TYPE msgType) override;
  void SetParameters(qo::String eventId) override;
  void SetUserResponse(std::uint32_t& response) override;
  std::uint32_t* GetUserResponse() override;
  qo::String getMsgContent() override;
  std::int32_t getMsgID() override;
  std::int32_t getType() override;
  qo::String getEventId() override;
  SYSTEM_MSG_TYPE getMsgType() override;
  std::int32_t IsFinal() override;
  std::int32_t IsModal() override;

  /// @cond
  // What an assignment carries: everything but the user-response address.
  struct Fields {
    qo::String content;
    SYSTEM_MSG_TYPE msgType = static_cast<SYSTEM_MSG_TYPE>(0);
    std::int32_t msgId = 0;
    std::int32_t type = -1;
    qo::String eventId;
    qo::String detail;  // stored and copied, read by nothing
    std::int32_t modal = 0;
    std::int32_t isFinal = 0;
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
  std::uint32_t* userResponse_ = nullptr;
};
