/// @file
/// The message (type code 8): one chat or text message with its sender, principal recipient,
/// text, time stamp, send medium, recipients filed per medium, attachment, charging option,
/// delivery status and status time, the correspondent's buddy profile and a wallet user key.
///
/// Ownership:
/// - The message owns its recipient lists, its attachment and its buddy-profile copy. The
///   getters that return them (getRecipient(medium), getAttachmentInterface, getAttachment,
///   GetBuddyProfile) lend them without adding a holder; a lent recipient list stays valid
///   until the recipients are cleared, the message is assigned to, or it is destroyed; a lent
///   attachment or buddy profile until it is replaced or removed, or the message is destroyed.
/// - SetBuddyProfile keeps a Copy of the caller's profile; the caller keeps its own.
/// - Clone and Copy hand out a new plain CMessage with one holder, owned by the caller (also
///   when called on an inbox or outbox message).
///
/// Time texts (setTimeStamp, SetStatusTime and SetParameters with a text stamp, and the
/// constructor taking one) are converted by convertStringToTime: a text of 12 characters
/// YYMMDDhhmmss read as local time. A field out of range throws qo::StatusError(E_FAIL), a
/// date that cannot be represented qo::StatusError(E_INVALIDARG); the field to be set is then
/// left unchanged. Any other malformed text converts to 0 without error.
///
/// Recipients are filed by the low 16 bits of the send medium. The first addRecipient on a
/// message without a medium gives it that medium and makes the recipient its principal one;
/// after that every recipient is filed under the message's medium, whatever the call names.
/// A list never holds two equal (case-sensitive) recipients.
#pragma once

#include <cstdint>
#include <map>

#include "qodata/buddy_profile.h"
#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/message_attachment.h"
#include "qodata/types.h"

/// Wallet user key (type code 32).
class IMessage_02 : public IDataContainer {
 public:
  /// @name Wallet user key
  ///@{

  /// The setter stores a copy; the getter returns a copy.
  virtual void setWalletUserKey(qo::String walletUserKey) = 0;
  virtual qo::String getWalletUserKey() = 0;
  ///@}

 protected:
  ~IMessage_02() = default;
};

/// The correspondent's buddy profile (type code 27).
class IMessage_01 : public IDataContainer {
 public:
  /// Keeps profile->Copy() in place of the copy held so far, then sets the send medium. A null
  /// profile drops the held copy.
  virtual void SetBuddyProfile(IBuddyProfile* profile, tagSEND_MEDIUM medium) = 0;
  /// The held copy, lent (null for none).
  virtual IBuddyProfile* GetBuddyProfile() = 0;

 protected:
  ~IMessage_01() = default;
};

/// The message itself (type code 8).
class IMessage : public IDataContainer {
 public:
  /// Files a copy of the recipient by the filing rules of message.h; never twice in a list.
  virtual void addRecipient(qo::String recipient, tagSEND_MEDIUM medium) = 0;
  /// Replaces the attachment by a new one built from path and type.
  virtual void setAttachment(qo::String path, tagATTACHMENT_TYPE type) = 0;
  /// Stores the charging option.
  virtual void setChargingOption(tagCHARGING_OPTION option) = 0;
  /// Releases the attachment; the message then has none.
  virtual void removeAttachment() = 0;
  /// Stores the unicode flag.
  virtual void setUnicode(bool unicode) = 0;
  /// Sets the principal recipient; the recipient lists are not touched.
  virtual void setRecipient(qo::String recipient) = 0;
  /// @name Text and sender
  ///@{

  /// The setter stores a copy.
  virtual void setMessage(qo::String message) = 0;
  virtual void setSender(qo::String sender) = 0;
  ///@}
  /// Stores the time text converted by convertStringToTime; throws qo::StatusError as it does,
  /// leaving the stamp unchanged.
  virtual void setTimeStamp(qo::String stamp) = 0;
  /// Stores the time stamp.
  virtual void setTimeStamp(qo::Time stamp) = 0;
  /// Stores the medium; later recipients are filed under it.
  virtual void setSendMedium(tagSEND_MEDIUM medium) = 0;
  /// Sender, recipient and message, then time stamp and send medium; no recipient is filed.
  virtual void SetParameters(qo::String sender, qo::String recipient, qo::String message,
                             tagSEND_MEDIUM medium, qo::Time stamp) = 0;
  /// As above; when the stamp text fails, sender, recipient and message are already set.
  virtual void SetParameters(qo::String sender, qo::String recipient, qo::String message,
                             tagSEND_MEDIUM medium, qo::String stamp) = 0;
  /// @name Reading text and sender
  ///@{

  /// A copy of the stored value.
  virtual qo::String getSender() = 0;
  virtual qo::String getMessage() = 0;
  ///@}
  /// The list filed under the medium's low 16 bits, lent; null when there is none.
  virtual qo::StringList* getRecipient(tagSEND_MEDIUM medium) = 0;
  /// A copy of the principal recipient.
  virtual qo::String getRecipient() = 0;
  /// The number of recipients filed under the medium's low 16 bits (0 for none).
  virtual std::int32_t getRecipientCount(tagSEND_MEDIUM medium) = 0;
  /// @name Flags and stamp
  ///@{

  /// The stored value.
  virtual bool isUnicode() = 0;
  virtual qo::Time getTimeStamp() = 0;
  ///@}
  /// Converts a time text without changing the message.
  virtual qo::Time convertStringToTime(qo::String text) = 0;
  /// The attachment, lent (null for none).
  virtual IMessageAttachment* getAttachmentInterface() = 0;
  /// @name Medium and charging option
  ///@{

  /// The stored value.
  virtual tagSEND_MEDIUM getSendMedium() = 0;
  virtual tagCHARGING_OPTION getChargingOption() = 0;
  ///@}
  /// Stores the status time.
  virtual void SetStatusTime(qo::Time statusTime) = 0;
  /// Stores the time text converted by convertStringToTime; throws qo::StatusError as it does,
  /// leaving the status time unchanged.
  virtual void SetStatusTime(qo::String statusTime) = 0;
  /// @name Delivery status
  ///@{

  /// The setter stores the value; the getters return the stored values.
  virtual void SetStatus(std::int32_t status) = 0;
  virtual std::int32_t getStatus() = 0;
  virtual qo::Time getStatusTime() = 0;
  ///@}
  /// A new plain message with one holder, owned by the caller.
  virtual IMessage* Copy() = 0;
  /// Drops every recipient list; the principal recipient and the send medium stay.
  virtual void ClearReceipients() = 0;

 protected:
  ~IMessage() = default;
};

QODATA_INTERFACE_CODE(IMessage_02, CONTAINER_MESSAGE_02);
QODATA_INTERFACE_CODE(IMessage_01, CONTAINER_MESSAGE_01);
QODATA_INTERFACE_CODE(IMessage, CONTAINER_MESSAGE);

/// Offered for direct construction, and the base of CInboxMessage and COutboxMessage. The
/// object's own address is its IMessage_02 view; Clone and Copy hand out IMessage.
/// Assignment makes the target a copy of the source with a single holder: every field, its
/// own attachment, recipient lists and buddy-profile copy.
/// @implements IMessage_02
/// @implements IMessage_01
/// @implements IMessage
class QODATA_API CMessage
    : public qo::Container<CMessage, CONTAINER_MESSAGE, IMessage_02, IMessage_01, IMessage> {
 public:
  CMessage();
  /// A message of the sender and text given.
  CMessage(qo::String sender, qo::String message);
  /// Files the recipient under the medium, which becomes the message's send medium.
  CMessage(qo::String sender, qo::String recipient, qo::String message, qo::Time stamp,
           tagSEND_MEDIUM medium, bool unicode);
  /// As above with a time text; a text out of range throws and nothing is constructed.
  CMessage(qo::String sender, qo::String recipient, qo::String message, qo::String stamp,
           tagSEND_MEDIUM medium, bool unicode);
  /// A copy of other, with one holder of its own.
  CMessage(const CMessage& other);
  /// Makes this message a copy of other, with a single holder.
  CMessage& operator=(const CMessage& other);
  /// The same as assignment; returns the target.
  CMessage& operator&(const CMessage& other);
  ~CMessage() override;

  /// The attachment as its class, lent (null for none).
  CMessageAttachment* getAttachment();

  // IMessage_02
  void setWalletUserKey(qo::String walletUserKey) override;
  qo::String getWalletUserKey() override;

  // IMessage_01
  void SetBuddyProfile(IBuddyProfile* profile, tagSEND_MEDIUM medium) override;
  IBuddyProfile* GetBuddyProfile() override;

  // IMessage
  void addRecipient(qo::String recipient, tagSEND_MEDIUM medium) override;
  void setAttachment(qo::String path, tagATTACHMENT_TYPE type) override;
  void setChargingOption(tagCHARGING_OPTION option) override;
  void removeAttachment() override;
  void setUnicode(bool unicode) override;
  void setRecipient(qo::String recipient) override;
  void setMessage(qo::String message) override;
  void setSender(qo::String sender) override;
  void setTimeStamp(qo::String stamp) override;
  void setTimeStamp(qo::Time stamp) override;
  void setSendMedium(tagSEND_MEDIUM medium) override;
  void SetParameters(qo::String sender, qo::String recipient, qo::String message,
                     tagSEND_MEDIUM medium, qo::Time stamp) override;
  void SetParameters(qo::String sender, qo::String recipient, qo::String message,
                     tagSEND_MEDIUM medium, qo::String stamp) override;
  qo::String getSender() override;
  qo::String getMessage() override;
  qo::StringList* getRecipient(tagSEND_MEDIUM medium) override;
  qo::String getRecipient() override;
  std::int32_t getRecipientCount(tagSEND_MEDIUM medium) override;
  bool isUnicode() override;
  qo::Time getTimeStamp() override;
  qo::Time convertStringToTime(qo::String text) override;
  IMessageAttachment* getAttachmentInterface() override;
  tagSEND_MEDIUM getSendMedium() override;
  tagCHARGING_OPTION getChargingOption() override;
  void SetStatusTime(qo::Time statusTime) override;
  void SetStatusTime(qo::String statusTime) override;
  void SetStatus(std::int32_t status) override;
  std::int32_t getStatus() override;
  qo::Time getStatusTime() override;
  IMessage* Copy() override;
  void ClearReceipients() override;

  /// Recipient lists by the low 16 bits of the send medium.
  using RecipientMap = std::map<std::uint16_t, qo::StringList>;
  /// @cond
  // The part of a message that the inbox and outbox assignments carry, beside a copy of the
  // attachment.
  struct Core {
    qo::String sender;
    qo::String recipient;
    qo::String message;
    tagSEND_MEDIUM sendMedium = static_cast<tagSEND_MEDIUM>(0);
    qo::Time timeStamp = 0;
    bool unicode = false;
    bool operator==(const Core& other) const;  // member by member
  };
  /// @endcond
  /// @cond
  // What a message's copy carries, beside copies of the attachment and the buddy profile.
  struct Fields {
    Core core;
    qo::String walletUserKey;
    RecipientMap recipients;
    tagCHARGING_OPTION chargingOption = static_cast<tagCHARGING_OPTION>(-1);
    qo::Time statusTime = 0;
    std::int32_t status = 0;
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 protected:
  /// Takes the source's core and a copy of its attachment; the rest stays.
  void AssignCore(const CMessage& other);

  Fields fields_;
  qo::Held<CMessageAttachment> attachment_;
  qo::Held<IBuddyProfile> buddyProfile_;  // a copy of its own
};
