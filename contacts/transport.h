// The transport container behind ITransport; reached only through the interface.
#pragma once

#include <cstdint>

#include "qodata/container_base.h"
#include "qodata/transport.h"

// Our decision: the six numbers are signed 32-bit values, stored and returned bit for bit.
class CTransport final : public qo::Container<CTransport, CONTAINER_TRANSPORT, ITransport> {
 public:
  CTransport() = default;
  CTransport(const CTransport&) = default;
  // Copies the nine values; the holder count stays (Clone relies on it).
  CTransport& operator=(const CTransport&) = default;
  ~CTransport() override = default;

  void SetTransportNumber1(std::int32_t value) override;
  void SetTransportText1(qo::String text) override;
  void SetTransportText2(qo::String text) override;
  void SetTransportText3(qo::String text) override;
  void SetTransportNumber2(std::int32_t value) override;
  void SetTransportNumber3(std::int32_t value) override;
  void SetTransportNumber4(std::int32_t value) override;
  void SetTransportNumber5(std::int32_t value) override;
  std::int32_t GetTransportNumber1() override;
  qo::String GetTransportText1() override;
  qo::String GetTransportText2() override;
  qo::String GetTransportText3() override;
  std::int32_t GetTransportNumber2() override;
  std::int32_t GetTransportNumber3() override;
  std::int32_t GetTransportNumber4() override;
  std::int32_t GetTransportNumber5() override;
  void SetTransportNumber6(std::int32_t value) override;
  std::int32_t GetTransportNumber6() override;

 private:
  std::int32_t number1_ = 0;
  qo::String text1_;
  qo::String text2_;
  qo::String text3_;
  std::int32_t number2_ = 1;
  std::int32_t number3_ = 1;
  std::int32_t number4_ = 0;
  std::int32_t number5_ = 0;
  std::int32_t number6_ = 0;
};
