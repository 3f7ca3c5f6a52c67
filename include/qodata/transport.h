/// @file
/// A transport of the client (type code 22): a plain record of six numbers and three texts that
/// the library stores and returns unchanged, without giving them a meaning. Only the
/// application-communication object makes it; Clone copies all nine values.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/types.h"

/// A transport of the client (type code 22): six numbers and three texts, stored unchanged.
class ITransport : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// The setters store the value (a copy of a text); the getters return a copy.
  virtual void SetTransportNumber1(std::int32_t value) = 0;
  virtual void SetTransportText1(qo::String text) = 0;
  virtual void SetTransportText2(qo::String text) = 0;
  virtual void SetTransportText3(qo::String text) = 0;
  virtual void SetTransportNumber2(std::int32_t value) = 0;
  virtual void SetTransportNumber3(std::int32_t value) = 0;
  virtual void SetTransportNumber4(std::int32_t value) = 0;
  virtual void SetTransportNumber5(std::int32_t value) = 0;
  virtual std::int32_t GetTransportNumber1() = 0;
  virtual qo::String GetTransportText1() = 0;
  virtual qo::String GetTransportText2() = 0;
  virtual qo::String GetTransportText3() = 0;
  /// The second and third numbers start at 1, the other four at 0.
  virtual std::int32_t GetTransportNumber2() = 0;
  virtual std::int32_t GetTransportNumber3() = 0;
  virtual std::int32_t GetTransportNumber4() = 0;
  virtual std::int32_t GetTransportNumber5() = 0;
  virtual void SetTransportNumber6(std::int32_t value) = 0;
  virtual std::int32_t GetTransportNumber6() = 0;
  ///@}

 protected:
  ~ITransport() = default;
};

QODATA_INTERFACE_CODE(ITransport, CONTAINER_TRANSPORT);
