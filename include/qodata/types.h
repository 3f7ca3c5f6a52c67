/// @file
/// The value vocabulary of the library: texts, lists, maps, times, positions, the error that
/// carries a status code, the records passed by value and the stored enumerations.
#pragma once

#include <cstdint>
#include <exception>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "qodata/export.h"
#include "qodata/platform.h"
#include "qodata/ptr_list.h"

namespace qo {

/// qo::String (a UTF-16 std::u16string) is declared in platform.h.
using StringList = std::vector<String>;                ///< ordered, duplicates allowed
using StringMap = std::unordered_map<String, String>;  ///< unique case-sensitive keys, no order
using Time = std::int64_t;                             ///< seconds since 1970-01-01 00:00:00 UTC

/// Thrown by the two conversions that fail with a status code: a message time text with a
/// field out of range and a profile request with a malformed birthday. Exported, and defined
/// entirely inline (no key function), so that a client that reaches the library only through
/// dlopen still has the type information to catch it by type: type information of the same
/// name compares equal across modules.
class QODATA_API StatusError : public std::exception {
 public:
  /// An error that carries code.
  explicit StatusError(HRESULT code) noexcept : code_(code) {}
  /// A fixed text; the status code is code().
  const char* what() const noexcept override {
    return "qodata: operation failed with a status code";
  }
  /// The status code of the failure.
  HRESULT code() const noexcept { return code_; }

 private:
  HRESULT code_;
};

/// The two numbers a web request carries for its caller.
struct ValuePair {
  std::uint32_t first;   ///< The first number.
  std::uint32_t second;  ///< The second number.
  /// Equal when both numbers are.
  bool operator==(const ValuePair& other) const {
    return first == other.first && second == other.second;
  }
};

}  // namespace qo

/// @name Enumerations
///@{

/// A 32-bit code stored and returned as given; the client names its values.
enum tagGENDER : std::int32_t {};
enum tagMOOD : std::int32_t {};
enum tagSTATUS : std::int32_t {};
enum tagLOGON_STATUS : std::int32_t {};
enum tagSEND_MEDIUM : std::int32_t {};  ///< 0 = no medium set
enum tagCHARGING_OPTION : std::int32_t {};
enum tagATTACHMENT_TYPE : std::int32_t {};
enum SYSTEM_MSG_TYPE : std::int32_t {};
enum tagSERVER_TYPE : std::int32_t {};
enum tagPROXY_TYPE : std::int32_t {};
enum tagXMPPCONN_ENCRYPTION_TYPE : std::int32_t {};
enum ADSTYPE : std::int32_t {};
enum PluginEvent : std::int32_t {};
enum PluginType : std::int32_t {};
enum PluginLoadingOption : std::int32_t {};
enum PluginUILocation : std::int32_t {};
enum tagUI_COMMAND_TYPE : std::int32_t {};
enum tagPLUGINCONTROL_RES_KEY : std::int32_t {};
///@}

// --- Records passed by value ---------------------------------------------------------------

/// A presence update for a buddy.
struct _PRESENCE {
  tagSTATUS status;          ///< The buddy's status.
  qo::String source;         ///< The resource the update comes from.
  std::int32_t priority;     ///< The resource's priority.
  qo::String statusMessage;  ///< The status text.
};

/// A saved custom status. The profile's table keeps copies of the records it is given.
struct eSAVED_STATUS {
  std::int32_t status;   ///< The status code.
  qo::String text;       ///< The status text.
  std::uint32_t number;  ///< low 16 bits: the key in the table; the whole value orders eviction

  /// Member by member, so that tables of records compare.
  friend bool operator==(const eSAVED_STATUS& a, const eSAVED_STATUS& b) {
    return a.status == b.status && a.text == b.text && a.number == b.number;
  }
};

namespace qo {
/// A user profile's saved custom statuses, keyed by the low 16 bits of their number.
using SavedStatusTable = std::map<std::uint16_t, eSAVED_STATUS>;
}  // namespace qo
