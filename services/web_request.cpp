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

CWebRequest::CWebRequest() : requestId_(NextRequestId()) {}

CWebRequest& CWebRequest::operator=(const CWebRequest& other) {
  // Everything is copied aside first, in the order a clone takes it over, then committed
  // without failure: a throwing copy leaves this request as it was.
  qo::String primaryText = other.primaryText_;
  qo::String address = other.address_;
  Bytes body = other.body_;
  auto parts = other.parts_;
  qo::StringMap parameters = other.parameters_;
  qo::StringMap headers = other.headers_;
  qo::String secondaryText = other.secondaryText_;
  qo::Held<IDataContainer> userData = qo::HoldClone(other.userData_.get());

  primaryText_.swap(primaryText);
  address_.swap(address);
  requestOption_ = other.requestOption_;
  requestId_ = other.requestId_;
  contextValue_ = other.contextValue_;
  requestKind_ = other.requestKind_;
  bodyType_ = other.bodyType_;
  bodyFlags_ = other.bodyFlags_;
  body_.swap(body);
  valuePair_ = other.valuePair_;
  requestFlags_ = other.requestFlags_;
  parts_.swap(parts);
  parameters_.swap(parameters);
  headers_.swap(headers);
  secondaryText_.swap(secondaryText);
  userData_ = std::move(userData);
  return *this;
}

CWebRequest::~CWebRequest() = default;

void CWebRequest::SetRequest(std::uint32_t kind, qo::String address, std::uint32_t option) {
  address_ = std::move(address);
  requestOption_ = option;
  requestKind_ = kind;
}

std::uint8_t* CWebRequest::GetBody() { return body_.empty() ? nullptr : body_.data(); }

std::uint32_t CWebRequest::GetBodyLength() {
  return body_.empty() ? 0 : static_cast<std::uint32_t>(body_.size() - 1);
}

std::uint32_t CWebRequest::GetBodyType() { return bodyType_; }
std::uint32_t CWebRequest::GetBodyFlags() { return bodyFlags_; }
std::uint32_t CWebRequest::GetRequestId() { return requestId_; }
void CWebRequest::SetAddress(qo::String address) { address_ = std::move(address); }
qo::String CWebRequest::GetAddress() { return address_; }
std::uint32_t CWebRequest::GetRequestKind() { return requestKind_; }
std::uint32_t CWebRequest::GetRequestOption() { return requestOption_; }
void CWebRequest::SetRequestOption(std::uint32_t option) { requestOption_ = option; }

void CWebRequest::SetBody(std::uint32_t flags, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t length) {
  // Null data with a length is treated like length 0: there are no bytes to copy.
  if (data != nullptr && length > 0) {
    Bytes body(data, data + length);
    body.push_back(0);  // a text body can be read as a zero-terminated string
    body_.swap(body);
  }
  bodyFlags_ = flags;
  bodyType_ = type;
}

void CWebRequest::SetParameter(qo::String name, qo::String value) {
  parameters_.insert_or_assign(std::move(name), std::move(value));
}

std::int32_t CWebRequest::RemoveParameter(qo::String name) {
  return parameters_.erase(name) != 0 ? 1 : 0;
}

std::int32_t CWebRequest::GetParameter(qo::String name, qo::String& value) {
  auto found = parameters_.find(name);
  if (found == parameters_.end()) return 0;
  value = found->second;
  return 1;
}

void CWebRequest::AddPart(qo::String name, qo::String value) {
  Part part;
  part.value = std::move(value);
  parts_.insert_or_assign(std::move(name), std::move(part));
}

std::int32_t CWebRequest::RemovePart(qo::String name) { return parts_.erase(name) != 0 ? 1 : 0; }

std::int32_t CWebRequest::GetPartValue(qo::String name, qo::String& value) {
  auto found = parts_.find(name);
  if (found == parts_.end()) return 0;
  value = found->second.value;
  return 1;
}

std::int32_t CWebRequest::SetPartData(qo::String name, std::uint32_t type, std::uint32_t flags,
                                      const std::uint8_t* data, std::uint32_t length) {
  auto found = parts_.find(name);
  if (found == parts_.end()) return 0;
  Part& part = found->second;
  if (data != nullptr && length > 0) part.bytes.assign(data, data + length);
  part.type = type;
  part.flags = flags;
  return 1;
}

std::int32_t CWebRequest::GetPartData(qo::String name, std::uint32_t& type, std::uint32_t& flags,
                                      std::uint8_t*& data, std::uint32_t& length) {
  auto found = parts_.find(name);
  if (found == parts_.end()) return 0;
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

std::int32_t CWebRequest::GetPartNames(qo::StringList& names) { return CopyNames(parts_, names); }

std::int32_t CWebRequest::GetParameterNames(qo::StringList& names) {
  return CopyNames(parameters_, names);
}

std::uint32_t CWebRequest::GetContextValue() { return contextValue_; }
void CWebRequest::SetContextValue(std::uint32_t value) { contextValue_ = value; }

void CWebRequest::SetHeader(qo::String name, qo::String value) {
  headers_.insert_or_assign(std::move(name), std::move(value));
}

std::int32_t CWebRequest::GetHeaders(qo::StringList& headers) {
  headers.clear();
  headers.reserve(headers_.size());
  for (const auto& [name, value] : headers_) headers.push_back(name + u":" + value);
  return static_cast<std::int32_t>(headers.size());
}

void CWebRequest::GetPrimaryText(qo::String& text) { text = primaryText_; }
void CWebRequest::SetPrimaryText(qo::String text) { primaryText_ = std::move(text); }
void CWebRequest::SetSecondaryText(qo::String text) { secondaryText_ = std::move(text); }
qo::String CWebRequest::GetSecondaryText() { return secondaryText_; }

void CWebRequest::SetUserData(IDataContainer* data) {
  if (data == nullptr) return;
  userData_ = qo::HoldClone(data);
}

IDataContainer* CWebRequest::GetUserData() { return userData_.get(); }
qo::ValuePair CWebRequest::GetValuePair() { return valuePair_; }

std::uint32_t CWebRequest::SetValuePair(std::uint32_t first, std::uint32_t second) {
  valuePair_ = qo::ValuePair{first, second};
  return first;
}

std::uint32_t CWebRequest::GetRequestFlags() { return requestFlags_; }
void CWebRequest::SetRequestFlags(std::uint32_t flags) { requestFlags_ = flags; }

