/// @file
/// The container contract, shared by every data class of the library.
///
/// - A container is born with one holder, owned by whoever created it (the caller of a
///   factory, of Clone, of Copy, or of a getter documented as handing out a copy).
/// - A successful GetDataInterface adds one holder, which its receiver gives back with Release
///   on the interface it received. A refused one (unknown code, null out) returns 0, adds
///   nothing and leaves *out untouched.
/// - AddRef always returns 1. Release returns 1 when it dropped a holder and 0 when the count
///   was already 0; the container destroys itself when the count reaches 0, after which no
///   pointer to it may be used.
/// - A class with several interfaces keeps one count for the whole object.
/// - Clone returns a deep copy with one holder, owned by the caller.
/// - A container that is handed another container keeps a copy of its own; a getter that
///   returns a held container lends it (no holder added) for as long as the holder keeps it.
/// - Containers are not thread-safe: one container is used by one thread at a time.
#pragma once

#include <cstdint>
#include <type_traits>

#include "qodata/types.h"

/// The type codes. Codes 26 to 29, 31 and 32 select a second or third interface of a class
/// with several; they are never returned by GetType. 0 and codes above 34 denote nothing.
enum tagCONTAINER_DATATYPE : std::int32_t {
  CONTAINER_USER_PROFILE = 1,
  CONTAINER_BUDDY_PROFILE = 2,
  CONTAINER_BUDDY_LIST = 3,
  CONTAINER_CREDIT = 4,
  CONTAINER_CREDIT_LIST = 5,
  CONTAINER_CONNECTION_PROPERTIES = 6,
  CONTAINER_SYSTEM_MESSAGE = 7,
  CONTAINER_MESSAGE = 8,
  CONTAINER_PLUGIN_INFO = 9,
  CONTAINER_PLUGIN_UI_ELEMENT = 10,
  CONTAINER_PLUGIN_UI_ELEMENT_ACTION = 11,
  CONTAINER_PLUGIN_EVENT_DATA = 12,
  CONTAINER_PLUGIN_WINDOW_ELEMENT = 13,
  CONTAINER_DATA_SOURCE = 14,
  CONTAINER_MESSAGE_ATTACHMENT = 15,
  CONTAINER_ADS = 16,
  CONTAINER_ADS_LIST = 17,
  CONTAINER_PLUGIN_CONTROL_COMMAND = 18,
  CONTAINER_MESSAGE_LIST = 19,
  CONTAINER_APPLICATION_EVENT = 20,
  CONTAINER_DATA_COLLECTION = 21,
  CONTAINER_TRANSPORT = 22,
  CONTAINER_WEB_REQUEST = 23,
  CONTAINER_GENERIC_EVENT = 24,
  CONTAINER_PLUGIN_WINDOW_CONTROL = 25,
  CONTAINER_USER_PROFILE_01 = 26,
  CONTAINER_MESSAGE_01 = 27,
  CONTAINER_BUDDY_PROFILE_01 = 28,
  CONTAINER_PLUGIN_UI_ELEMENT2 = 29,
  CONTAINER_GENERIC_DATA = 30,
  CONTAINER_USER_PROFILE_02 = 31,
  CONTAINER_MESSAGE_02 = 32,
  CONTAINER_XMPP_CONN_PROPERTIES = 33,
  CONTAINER_CAG_TOKENS = 34,
};

/// The base of every container interface: these five operations are slots 0 to 4 of each.
/// There is no destructor slot; containers die through Release. The contract that these
/// operations keep is written once, in container.h.
class IDataContainer {
 public:
  /// The code of the container's class (never one that only selects a further interface).
  virtual tagCONTAINER_DATATYPE GetType() = 0;
  /// A deep copy with one holder, handed over to the caller, who releases it.
  virtual IDataContainer* Clone() = 0;
  /// Writes the interface that code selects through out and adds one holder, which the
  /// receiver gives back with Release on that interface: 1. Unknown code or null out: 0,
  /// nothing added, *out untouched.
  virtual std::int32_t GetDataInterface(tagCONTAINER_DATATYPE code, void** out) = 0;
  /// Adds one holder; always 1.
  virtual std::int32_t AddRef() = 0;
  /// Gives back one holder: 1, and the container destroys itself when it was the last. 0
  /// when the count was already 0.
  virtual std::int32_t Release() = 0;

 protected:
  ~IDataContainer() = default;
};

namespace qo {
/// The type code that selects an interface in GetDataInterface; each interface header
/// specialises it next to the interface (QODATA_INTERFACE_CODE).
template <class Interface>
struct InterfaceCode;
}  // namespace qo

/// Declares the type code that selects an interface (a specialisation of qo::InterfaceCode).
#define QODATA_INTERFACE_CODE(Interface, Code) \
  template <>                                  \
  struct qo::InterfaceCode<Interface> : std::integral_constant<tagCONTAINER_DATATYPE, Code> {}
