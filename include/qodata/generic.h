/// @file
/// Containers whose shape the library does not fix: a property bag of named values, a generic
/// event (a set of strings with a number and a text) and an application event (an identifier
/// and kind with one attached container). They are reached only through these interfaces
/// (the application-communication object makes them, Clone copies them).
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/platform.h"
#include "qodata/types.h"

namespace qo {
/// The status SetApplicationEvent reports when the event has been set before.
inline constexpr HRESULT kEventAlreadySet = 0x01000002;
}  // namespace qo

/// A property bag (type code 30): one entry per key (compared exactly), each holding a text,
/// an integer and a container side by side. A setter writes only its own value of the entry
/// (creating the entry if needed); the getters hand out copies. Results: 1 done, 0 not done.
class IGenericDataContainer : public IDataContainer {
 public:
  /// The entry keeps a clone of the container; the caller keeps its own. Null clears the
  /// entry's container.
  virtual std::int32_t SetContainer(qo::String key, IDataContainer* container) = 0;
  /// @name Plain values
  ///@{

  /// Stores the value in the key's entry: 1.
  virtual std::int32_t SetInteger(qo::String key, std::int32_t value) = 0;
  virtual std::int32_t SetString(qo::String key, qo::String value) = 0;
  ///@}
  /// Writes a clone that the caller owns and releases. An entry without a container gives 0
  /// and writes null; a missing key gives 0 and writes nothing.
  virtual std::int32_t GetContainer(qo::String key, IDataContainer** out) = 0;
  /// @name Reading plain values
  ///@{

  /// Writes a copy of the entry's value through out: 1. A missing key or null out: 0, nothing
  /// written.
  virtual std::int32_t GetInteger(qo::String key, std::int32_t* out) = 0;
  virtual std::int32_t GetString(qo::String key, qo::String* out) = 0;
  ///@}
  /// Writes 1 when the entry's integer is non-zero, else 0.
  virtual std::int32_t GetBoolean(qo::String key, std::int32_t* out) = 0;

 protected:
  ~IGenericDataContainer() = default;
};

/// A generic event (type code 24): a set of strings (case-sensitive), a number and a text.
class IGenericEvent : public IDataContainer {
 public:
  /// 1 in every case; a string already in the set is not added twice.
  virtual std::int32_t AddString(qo::String text) = 0;
  /// 1 if the string was in the set, else 0.
  virtual std::int32_t RemoveString(qo::String text) = 0;
  /// Replaces the list's contents with the set's strings, in no particular order; returns
  /// their number.
  virtual std::int32_t GetStrings(qo::StringList& out) = 0;
  /// @name Number and text
  ///@{

  /// The setters store a copy; the getters return a copy.
  virtual void SetNumber(std::uint32_t number) = 0;
  virtual std::uint32_t GetNumber() = 0;
  virtual void SetText(qo::String text) = 0;
  virtual qo::String GetText() = 0;
  ///@}

 protected:
  ~IGenericEvent() = default;
};

/// An application event (type code 20), set once: identifier 0 means not set (kind 9).
class IApplicationEvent : public IDataContainer {
 public:
  /// Stores the identifier, the kind (0 to 8) and a clone of data (null for none): S_OK.
  /// Identifier 0 or kind above 8: E_FAIL. Already set: qo::kEventAlreadySet. A refused call
  /// changes nothing.
  virtual HRESULT SetApplicationEvent(std::uint32_t eventId, std::uint32_t kind,
                                      IDataContainer* data) = 0;
  /// The identifier; 0 while the event is not set.
  virtual std::uint32_t GetEventId() = 0;
  /// The kind; 9 while the event is not set.
  virtual std::uint32_t GetEventKind() = 0;
  /// The held container (null if none), lent for the event's life; no holder is added.
  virtual IDataContainer* GetEventData() = 0;

 protected:
  ~IApplicationEvent() = default;
};

QODATA_INTERFACE_CODE(IGenericDataContainer, CONTAINER_GENERIC_DATA);
QODATA_INTERFACE_CODE(IGenericEvent, CONTAINER_GENERIC_EVENT);
QODATA_INTERFACE_CODE(IApplicationEvent, CONTAINER_APPLICATION_EVENT);
