/// @file
/// The message attachment (type code 15): the path or name of one item attached to a message,
/// with its attachment type. A message owns at most one; its getters lend it.
#pragma once

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// A message attachment (type code 15): a path and an attachment type, stored as given.
class IMessageAttachment : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// The setters store a copy; the getters return a copy.
  virtual tagATTACHMENT_TYPE getAttachmentType() = 0;
  virtual qo::String getAttachment() = 0;
  virtual void SetAttachmentType(tagATTACHMENT_TYPE type) = 0;
  virtual void SetAttachment(qo::String attachment) = 0;
  ///@}

 protected:
  ~IMessageAttachment() = default;
};

QODATA_INTERFACE_CODE(IMessageAttachment, CONTAINER_MESSAGE_ATTACHMENT);

/// Offered for direct construction. The attachment type is stored unread (0 by default).
/// Assignment copies both fields and keeps the target's holder count; a copy or a Clone starts
/// with one holder, owned by its creator.
/// @implements IMessageAttachment
class QODATA_API CMessageAttachment
    : public qo::Container<CMessageAttachment, CONTAINER_MESSAGE_ATTACHMENT, IMessageAttachment> {
 public:
  CMessageAttachment();
  /// An attachment of the path and type given.
  CMessageAttachment(qo::String attachment, tagATTACHMENT_TYPE type);
  /// A copy of both fields, with one holder of its own.
  CMessageAttachment(const CMessageAttachment& other);
  /// Copies both fields; the holder count stays.
  CMessageAttachment& operator=(const CMessageAttachment& other);
  /// The same as assignment; returns the target.
  CMessageAttachment& operator&(const CMessageAttachment& other);
  ~CMessageAttachment() override;

  /// A new attachment built from this one's path and type.
  IDataContainer* Clone() override;

  tagATTACHMENT_TYPE getAttachmentType() override;
  qo::String getAttachment() override;
  void SetAttachmentType(tagATTACHMENT_TYPE type) override;
  void SetAttachment(qo::String attachment) override;

 public:
  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    qo::String attachment;
    tagATTACHMENT_TYPE attachmentType = static_cast<tagATTACHMENT_TYPE>(0);
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};
