// The web request behind IWebRequest.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "qodata/container_base.h"
#include "qodata/web_request.h"

class CWebRequest final : public qo::Container<CWebRequest, CONTAINER_WEB_REQUEST, IWebRequest> {
 public:
  // Draws the next request identifier.
  CWebRequest();
  // A copy is made only by Clone (a new request, then assignment).
  CWebRequest(const CWebRequest&) = delete;
  // Takes over everything of the source, its identifier included; the user data as a clone.
  CWebRequest& operator=(const CWebRequest& other);
  ~CWebRequest() override;

  void SetRequest(std::uint32_t kind, qo::String address, std::uint32_t option) override;
  std::uint8_t* GetBody() override;
  std::uint32_t GetBodyLength() override;
  std::uint32_t GetBodyType() override;
  std::uint32_t GetBodyFlags() override;
  std::uint32_t GetRequestId() override;
  void SetAddress(qo::String address) override;
  qo::String GetAddress() override;
  std::uint32_t GetRequestKind() override;
  std::uint32_t GetRequestOption() override;
  void SetRequestOption(std::uint32_t option) override;
  void SetBody(std::uint32_t flags, std::uint32_t type, const std::uint8_t* data,
               std::uint32_t length) override;
  void SetParameter(qo::String name, qo::String value) override;
  std::int32_t RemoveParameter(qo::String name) override;
  std::int32_t GetParameter(qo::String name, qo::String& value) override;
  void AddPart(qo::String name, qo::String value) override;
  std::int32_t RemovePart(qo::String name) override;
  std::int32_t GetPartValue(qo::String name, qo::String& value) override;
  std::int32_t SetPartData(qo::String name, std::uint32_t type, std::uint32_t flags,
                           const std::uint8_t* data, std::uint32_t length) override;
  std::int32_t GetPartData(qo::String name, std::uint32_t& type, std::uint32_t& flags,
                           std::uint8_t*& data, std::uint32_t& length) override;
  std::int32_t GetPartNames(qo::StringList& names) override;
  std::int32_t GetParameterNames(qo::StringList& names) override;
  std::uint32_t GetContextValue() override;
  void SetContextValue(std::uint32_t value) override;
  void SetHeader(qo::String name, qo::String value) override;
  std::int32_t GetHeaders(qo::StringList& headers) override;
  void GetPrimaryText(qo::String& text) override;
  void SetPrimaryText(qo::String text) override;
  void SetSecondaryText(qo::String text) override;
  qo::String GetSecondaryText() override;
  void SetUserData(IDataContainer* data) override;
  IDataContainer* GetUserData() override;
  qo::ValuePair GetValuePair() override;
  std::uint32_t SetValuePair(std::uint32_t first, std::uint32_t second) override;
  std::uint32_t GetRequestFlags() override;
  void SetRequestFlags(std::uint32_t flags) override;

 public:
  using Bytes = std::vector<std::uint8_t>;

  // A named part: a value text and raw bytes (exactly as given, no trailing 0).
  struct Part {
    qo::String value;
    Bytes bytes;
    std::uint32_t type = 0;
    std::uint32_t flags = 0;
    bool operator==(const Part&) const = default;
  };

  // What a copy carries, as one value, beside a clone of the user data.
  struct Fields {
    std::uint32_t requestId = 0;
    // Our choice of starting values for the three values the caller sets: 0.
    std::uint32_t contextValue = 0;
    qo::String address;
    std::uint32_t requestOption = 0;
    std::uint32_t requestKind = 0;
    Bytes body;  // empty, or the body bytes followed by one 0 byte
    std::uint32_t bodyType = 0;
    std::uint32_t bodyFlags = 0;
    std::unordered_map<qo::String, Part> parts;
    qo::StringMap parameters;
    qo::StringMap headers;
    qo::String primaryText;
    qo::String secondaryText;
    qo::ValuePair valuePair{0, 0};
    std::uint32_t requestFlags = 0;
    bool operator==(const Fields&) const = default;
  };
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
  qo::Held<IDataContainer> userData_;
};
