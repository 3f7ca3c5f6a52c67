#include "services/web_request.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace {

// The library-wide request-identifier counter: 0 at load, so the first request gets 1.
// Atomic so that requests made on different threads never share an identifier.
std::atomic<std::uint32_t> lastRequestId{0};

std::uint32_t NextRequestId() { return lastRequestId.fetch_add(1, std::memory_order_relaxed) + 1; }

template <class Map>
std::int32_t CopyNames(const Map& map, qo::StringList& names) {
  names.clear();
  names.reserve(map.size());
  for (const auto& entry : map) names.push_back(entry.first);
  return static_cast<std::int32_t>(names.size());
}

}  // namespace

CWebRequest::CWebRequest() { fields_.requestId = NextRequestId(); }

CWebRequest& CWebRequest::operator=(const CWebRequest& other) {
  // Copied aside first, then committed without failure: a throwing copy leaves this request
  // as it was.
  Fields fields = other.fields_;
  qo::Held<IDataContainer> userData = qo::HoldClone(other.userData_.get());
  fields_ = std::move(fields);
  userData_ = std::move(userData);
  return *this;
}

CWebRequest::~CWebRequest() = default;

void CWebRequest::SetRequest(std::uint32_t kind, qo::String address, std::uint32_t option) {
  fields_.address = std::move(address);
  fields_.requestOption = option;
  fields_.requestKind = kind;
}

std::uint8_t* CWebRequest::GetBody() {
  return fields_.body.empty() ? nullptr : fields_.body.data();
}

std::uint32_t CWebRequest::GetBodyLength() {
  return fields_.body.empty() ? 0 : static_cast<std::uint32_t>(fields_.body.size() - 1);
}

std::uint32_t CWebRequest::GetBodyType() { return fields_.bodyType; }
std::uint32_t CWebRequest::GetBodyFlags() { return fields_.bodyFlags; }
std::uint32_t CWebRequest::GetRequestId() { return fields_.requestId; }
void CWebRequest::SetAddress(qo::String address) { fields_.address = std::move(address); }
qo::String CWebRequest::GetAddress() { return fields_.address; }
std::uint32_t CWebRequest::GetRequestKind() { return fields_.requestKind; }
std::uint32_t CWebRequest::GetRequestOption() { return fields_.requestOption; }
void CWebRequest::SetRequestOption(std::uint32_t option) { fields_.requestOption = option; }

void CWebRequest::SetBody(std::uint32_t flags, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t length) {
  // Null data with a length is treated like length 0: there are no bytes to copy.
  if (data != nullptr && length > 0) {
    Bytes body(data, data + length);
    body.push_back(0);  // a text body can be read as a zero-terminated string
    fields_.body.swap(body);
  }
  fields_.bodyFlags = flags;
  fields_.bodyType = type;
}

void CWebRequest::SetParameter(qo::String name, qo::String value) {
  fields_.parameters.insert_or_assign(std::move(name), std::move(value));
}

std::int32_t CWebRequest::RemoveParameter(qo::String name) {
  return fields_.parameters.erase(name) != 0 ? 1 : 0;
}

std::int32_t CWebRequest::GetParameter(qo::String name, qo::String& value) {
  auto found = fields_.parameters.find(name);
  if (found == fields_.parameters.end()) return 0;
  value = found->second;
  return 1;
}

void CWebRequest::AddPart(qo::String name, qo::String value) {
  Part part;
  part.value = std::move(value);
  fields_.parts.insert_or_assign(std::move(name), std::move(part));
}

std::int32_t CWebRequest::RemovePart(qo::String name) {
  return fields_.parts.erase(name) != 0 ? 1 : 0;
}

std::int32_t CWebRequest::GetPartValue(qo::String name, qo::String& value) {
  auto found = fields_.parts.find(name);
  if (found == fields_.parts.end()) return 0;
  value = found->second.value;
  return 1;
}

std::int32_t CWebRequest::SetPartData(qo::String name, std::uint32_t type, std::uint32_t flags,
                                      const std::uint8_t* data, std::uint32_t length) {
  auto found = fields_.parts.find(name);
  if (found == fields_.parts.end()) return 0;
  Part& part = found->second;
  if (data != nullptr && length > 0) part.bytes.assign(data, data + length);
  part.type = type;
  part.flags = flags;
  return 1;
}

std::int32_t CWebRequest::GetPartData(qo::String name, std::uint32_t& type, std::uint32_t& flags,
                                      std::uint8_t*& data, std::uint32_t& length) {
  auto found = fields_.parts.find(name);
  if (found == fields_.parts.end()) return 0;
  const Part& part = found->second;
  // A part without bytes hands out no buffer (null), so there is nothing to free.
  std::uint8_t* copy = nullptr;
  if (!part.bytes.empty()) {
    copy = static_cast<std::uint8_t*>(std::malloc(part.bytes.size()));
    if (copy == nullptr) throw std::bad_alloc();
    std::memcpy(copy, part.bytes.data(), part.bytes.size());
  }
  type = part.type;
  flags = part.flags;
  length = static_cast<std::uint32_t>(part.bytes.size());
  data = copy;
  return static_cast<std::int32_t>(length);
}

std::int32_t CWebRequest::GetPartNames(qo::StringList& names) {
  return CopyNames(fields_.parts, names);
}

std::int32_t CWebRequest::GetParameterNames(qo::StringList& names) {
  return CopyNames(fields_.parameters, names);
}

std::uint32_t CWebRequest::GetContextValue() { return fields_.contextValue; }
void CWebRequest::SetContextValue(std::uint32_t value) { fields_.contextValue = value; }

void CWebRequest::SetHeader(qo::String name, qo::String value) {
  fields_.headers.insert_or_assign(std::move(name), std::move(value));
}

std::int32_t CWebRequest::GetHeaders(qo::StringList& headers) {
  headers.clear();
  headers.reserve(fields_.headers.size());
  for (const auto& [name, value] : fields_.headers) headers.push_back(name + u":" + value);
  return static_cast<std::int32_t>(headers.size());
}

void CWebRequest::GetPrimaryText(qo::String& text) { text = fields_.primaryText; }
void CWebRequest::SetPrimaryText(qo::String text) { fields_.primaryText = std::move(text); }
void CWebRequest::SetSecondaryText(qo::String text) { fields_.secondaryText = std::move(text); }
qo::String CWebRequest::GetSecondaryText() { return fields_.secondaryText; }

void CWebRequest::SetUserData(IDataContainer* data) {
  if (data == nullptr) return;
  userData_ = qo::HoldClone(data);
}

IDataContainer* CWebRequest::GetUserData() { return userData_.get(); }
qo::ValuePair CWebRequest::GetValuePair() { return fields_.valuePair; }

std::uint32_t CWebRequest::SetValuePair(std::uint32_t first, std::uint32_t second) {
  fields_.valuePair = qo::ValuePair{first, second};
  return first;
}

std::uint32_t CWebRequest::GetRequestFlags() { return fields_.requestFlags; }
void CWebRequest::SetRequestFlags(std::uint32_t flags) { fields_.requestFlags = flags; }
