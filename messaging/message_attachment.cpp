#include "qodata/message_attachment.h"

#include <utility>

bool CMessageAttachment::Fields::operator==(const Fields&) const = default;

CMessageAttachment::CMessageAttachment() = default;

CMessageAttachment::CMessageAttachment(qo::String attachment, tagATTACHMENT_TYPE type)
    : fields_{std::move(attachment), type} {}

CMessageAttachment::CMessageAttachment(const CMessageAttachment& other) = default;

CMessageAttachment& CMessageAttachment::operator=(const CMessageAttachment& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
  return *this;
}

CMessageAttachment& CMessageAttachment::operator&(const CMessageAttachment& other) {
  return *this = other;
}

CMessageAttachment::~CMessageAttachment() = default;

IDataContainer* CMessageAttachment::Clone() {
  return static_cast<IMessageAttachment*>(new CMessageAttachment(*this));
}

tagATTACHMENT_TYPE CMessageAttachment::getAttachmentType() { return fields_.attachmentType; }

qo::String CMessageAttachment::getAttachment() { return fields_.attachment; }

void CMessageAttachment::SetAttachmentType(tagATTACHMENT_TYPE type) {
  fields_.attachmentType = type;
}

void CMessageAttachment::SetAttachment(qo::String attachment) {
  fields_.attachment = std::move(attachment);
}
