/// @file
/// The library's entry points: the data factory, the application-communication object and
/// the four exported functions that give and take them back.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/export.h"
#include "qodata/platform.h"

/// The data factory. Not a container: it has no type code and no holder count; it is freed
/// with FreeDataFactoryInstance (or destroyed directly if the client constructed it).
class IDataFactory {
 public:
  /// Makes a container of the code and writes its interface pointer through out (the caller
  /// owns that one reference): 1. Codes it does not make write null: 0. Null out: 0.
  virtual std::int32_t CreateInstance(tagCONTAINER_DATATYPE code, IDataContainer** out) = 0;
  /// Copies nothing and returns 0; containers are copied with Clone.
  virtual std::int32_t Copy(tagCONTAINER_DATATYPE code, IDataContainer** source,
                            IDataContainer** target) = 0;
  /// For the codes it accepts, destroys the container whole whatever its holder count and
  /// nulls *inout: 1. Other codes only null *inout and leave the container alive: 0.
  virtual std::int32_t ReleaseInstance(tagCONTAINER_DATATYPE code, IDataContainer** inout) = 0;

 protected:
  ~IDataFactory() = default;
};

/// The COM-style object: QueryInterface, AddRef and Release as COM defines them.
class IApplicationCom : public IUnknown {
 public:
  /// Writes the version 0x01000001 and returns S_OK.
  virtual HRESULT QODATA_COMCALL GetVersion(std::uint32_t* version) = 0;

 protected:
  ~IApplicationCom() = default;
};

/// The container factory behind the application-communication object (reached with
/// QueryInterface and IID_IDataFactory2); its holders are the object's.
class IDataFactory2 : public IApplicationCom {
 public:
  /// Makes a container of any code but 26 and 31; the caller owns the reference written.
  virtual std::int32_t QODATA_COMCALL CreateContainer(tagCONTAINER_DATATYPE code,
                                                      IDataContainer** out) = 0;
  /// Gives back one holder of *inout (the code is not examined; *inout is not cleared).
  virtual std::int32_t QODATA_COMCALL ReleaseContainer(tagCONTAINER_DATATYPE code,
                                                       IDataContainer** inout) = 0;

 protected:
  ~IDataFactory2() = default;
};

extern "C" {
/// A new, independent factory through *out: S_OK. Null out: E_FAIL.
QODATA_API HRESULT CreateDataFactoryInstance(IDataFactory** out);
/// Destroys the factory at *inout and nulls it: S_OK. Null address or null *inout: E_FAIL.
/// Containers it made live on.
QODATA_API HRESULT FreeDataFactoryInstance(IDataFactory** inout);
/// A new application-communication object (an IApplicationCom pointer) through *out, holding
/// one holder for the caller: S_OK. The address must be valid.
QODATA_API HRESULT CreateAppComInstance(void** out);
/// Gives back the caller's holder of *inout (which is not cleared): S_OK. Null *inout: E_FAIL.
QODATA_API HRESULT DestroyAppComInstance(IApplicationCom** inout);
}

/// @name Entry point types
///@{

/// Pointer types of the exported functions, for callers that resolve them with dlsym.
using PFN_CreateDataFactoryInstance = HRESULT (*)(IDataFactory**);
using PFN_FreeDataFactoryInstance = HRESULT (*)(IDataFactory**);
using PFN_CreateAppComInstance = HRESULT (*)(void**);
using PFN_DestroyAppComInstance = HRESULT (*)(IApplicationCom**);
///@}
