/// @file
/// A web request (type code 23): the description of one request to a web endpoint and what
/// comes back, stored for the caller (the library sends nothing). Reached only through this
/// interface (the application-communication object makes it, Clone copies it).
///
/// Ownership: the request owns its body, parts, texts and a clone of the user data. GetBody
/// and GetUserData lend what the request holds until that field is replaced or the request is
/// destroyed. GetPartData hands out a buffer from malloc that the caller frees with free.
/// Every request made (a clone included) draws the next identifier of one counter shared by
/// the whole library; a clone then carries its source's identifier.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/types.h"

/// A web request (type code 23): what to send and what came back, kept for the caller; it
/// owns its bytes, texts and a clone of the user data, and lends them.
class IWebRequest : public IDataContainer {
 public:
  /// Stores the kind, a copy of the address and the option.
  virtual void SetRequest(std::uint32_t kind, qo::String address, std::uint32_t option) = 0;
  /// The body bytes followed by one 0 byte (null when there is no body).
  virtual std::uint8_t* GetBody() = 0;
  /// The number of body bytes, the trailing 0 not counted.
  virtual std::uint32_t GetBodyLength() = 0;
  /// @name Body type and flags
  ///@{

  /// The value that SetBody stored.
  virtual std::uint32_t GetBodyType() = 0;
  virtual std::uint32_t GetBodyFlags() = 0;
  ///@}
  /// The identifier drawn from the library's counter when the request was made.
  virtual std::uint32_t GetRequestId() = 0;
  /// @name Request values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual void SetAddress(qo::String address) = 0;
  virtual qo::String GetAddress() = 0;
  virtual std::uint32_t GetRequestKind() = 0;
  virtual std::uint32_t GetRequestOption() = 0;
  virtual void SetRequestOption(std::uint32_t option) = 0;
  ///@}
  /// Sets flags and type. With data and a length above 0 the body becomes a copy of those
  /// bytes; otherwise the body bytes stay as they were.
  virtual void SetBody(std::uint32_t flags, std::uint32_t type, const std::uint8_t* data,
                       std::uint32_t length) = 0;
  /// Stores a copy of the value under the name, replacing any value there.
  virtual void SetParameter(qo::String name, qo::String value) = 0;
  /// 1 if the parameter was there, else 0.
  virtual std::int32_t RemoveParameter(qo::String name) = 0;
  /// 1 and the value if the parameter is there, else 0 and nothing written.
  virtual std::int32_t GetParameter(qo::String name, qo::String& value) = 0;
  /// A new part with this value text and no data, replacing any part of that name.
  virtual void AddPart(qo::String name, qo::String value) = 0;
  /// 1 if the part was there (it is removed), else 0.
  virtual std::int32_t RemovePart(qo::String name) = 0;
  /// 1 and a copy of the part's value text if the part is there, else 0 and nothing written.
  virtual std::int32_t GetPartValue(qo::String name, qo::String& value) = 0;
  /// 0 for a name without part. Otherwise sets type and flags and, with data and a length
  /// above 0, makes the part's bytes a copy of those bytes; 1.
  virtual std::int32_t SetPartData(qo::String name, std::uint32_t type, std::uint32_t flags,
                                   const std::uint8_t* data, std::uint32_t length) = 0;
  /// 0 for a name without part, nothing written. Otherwise writes type, flags, length and a
  /// new malloc'd copy of the bytes (null when the part has none) that the caller frees with
  /// free; the result is the length.
  virtual std::int32_t GetPartData(qo::String name, std::uint32_t& type, std::uint32_t& flags,
                                   std::uint8_t*& data, std::uint32_t& length) = 0;
  /// @name Names
  ///@{

  /// Replace the list's contents with the names, in no particular order; return their number.
  virtual std::int32_t GetPartNames(qo::StringList& names) = 0;
  virtual std::int32_t GetParameterNames(qo::StringList& names) = 0;
  ///@}
  /// @name Context value
  ///@{

  /// The caller's value: the setter stores it, the getter returns it.
  virtual std::uint32_t GetContextValue() = 0;
  virtual void SetContextValue(std::uint32_t value) = 0;
  ///@}
  /// Stores a copy of the value under the name, replacing any value there.
  virtual void SetHeader(qo::String name, qo::String value) = 0;
  /// Replaces the list's contents with one "name:value" line per header, in no particular
  /// order; returns their number.
  virtual std::int32_t GetHeaders(qo::StringList& headers) = 0;
  /// @name Texts
  ///@{

  /// Each setter stores a copy; each getter writes or returns a copy.
  virtual void GetPrimaryText(qo::String& text) = 0;
  virtual void SetPrimaryText(qo::String text) = 0;
  virtual void SetSecondaryText(qo::String text) = 0;
  virtual qo::String GetSecondaryText() = 0;
  ///@}
  /// Holds a clone in place of the container held so far; null changes nothing.
  virtual void SetUserData(IDataContainer* data) = 0;
  /// The held container (null if none), lent; no holder is added.
  virtual IDataContainer* GetUserData() = 0;
  /// A copy of the two values.
  virtual qo::ValuePair GetValuePair() = 0;
  /// Sets both values; returns first.
  virtual std::uint32_t SetValuePair(std::uint32_t first, std::uint32_t second) = 0;
  /// @name Request flags
  ///@{

  /// The setter stores the flags; the getter returns them.
  virtual std::uint32_t GetRequestFlags() = 0;
  virtual void SetRequestFlags(std::uint32_t flags) = 0;
  ///@}

 protected:
  ~IWebRequest() = default;
};

QODATA_INTERFACE_CODE(IWebRequest, CONTAINER_WEB_REQUEST);
