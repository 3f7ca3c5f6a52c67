#include "qodata/message_attachment.h"

#include <utility>

CMessageAttachment::CMessageAttachment() = default;

CMessageAttachment::CMessageAttachment(qo::String attachment, tagATTACHMENT_TYPE type)
    : attachment_(std::move(attachment)), attachmentType_(type) {}

CMessageAttachment::CMessageAttachment(const CMessageAttachment& other)
    : Container(other), attachment_(other.attachment_), attachmentType_(other.attachmentType_) {}

CMessageAttachment& CMessageAttachment::operator=(const CMessageAttachment& other) {
  qo::String attachment = other.attachment_;  // copied first: a failed copy changes nothing
  attachmentType_ = other.attachmentType_;
  attachment_ = std::move(attachment);
  return *this;
}

CMessageAttachment& CMessageAttachment::operator&(const CMessageAttachment& other) {
  return *this = other;
}

CMessageAttachment::~CMessageAttachment() = default;

IDataContainer* CMessageAttachment::Clone() {
  return static_cast<IMessageAttachment*>(new CMessageAttachment(attachment_, attachmentType_));
}

tagATTACHMENT_TYPE CMessageAttachment::getAttachmentType() { return attachmentType_; }

qo::String CMessageAttachment::getAttachment() { return attachment_; }

void CMessageAttachment::SetAttachmentType(tagATTACHMENT_TYPE type) { attachmentType_ = type; }

void CMessageAttachment::SetAttachment(qo::String attachment) { attachment_ = std::move(attachment); }
