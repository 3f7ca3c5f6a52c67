#include "contacts/transport.h"

#include <utility>

void CTransport::SetTransportNumber1(std::int32_t value) { number1_ = value; }
void CTransport::SetTransportText1(qo::String text) { text1_ = std::move(text); }
void CTransport::SetTransportText2(qo::String text) { text2_ = std::move(text); }
void CTransport::SetTransportText3(qo::String text) { text3_ = std::move(text); }
void CTransport::SetTransportNumber2(std::int32_t value) { number2_ = value; }
void CTransport::SetTransportNumber3(std::int32_t value) { number3_ = value; }
void CTransport::SetTransportNumber4(std::int32_t value) { number4_ = value; }
void CTransport::SetTransportNumber5(std::int32_t value) { number5_ = value; }
std::int32_t CTransport::GetTransportNumber1() { return number1_; }
qo::String CTransport::GetTransportText1() { return text1_; }
qo::String CTransport::GetTransportText2() { return text2_; }
qo::String CTransport::GetTransportText3() { return text3_; }
std::int32_t CTransport::GetTransportNumber2() { return number2_; }
std::int32_t CTransport::GetTransportNumber3() { return number3_; }
std::int32_t CTransport::GetTransportNumber4() { return number4_; }
std::int32_t CTransport::GetTransportNumber5() { return number5_; }
void CTransport::SetTransportNumber6(std::int32_t value) { number6_ = value; }
std::int32_t CTransport::GetTransportNumber6() { return number6_; }
