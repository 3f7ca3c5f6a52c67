// The transport container: nine values stored unchanged, copied whole by Clone.
#include <gtest/gtest.h>

#include <climits>

#include "contacts/transport.h"
#include "framework/catalogue.h"

namespace {

TEST(Transport, StartsWithItsInitialValuesAndAnswersOnlyItsCode) {
  auto* transport = static_cast<ITransport*>(qo::MakeContainer(CONTAINER_TRANSPORT));
  ASSERT_NE(transport, nullptr);
  EXPECT_EQ(transport->GetType(), CONTAINER_TRANSPORT);
  EXPECT_EQ(transport->GetTransportNumber1(), 0);
  EXPECT_EQ(transport->GetTransportText1(), u"");
  EXPECT_EQ(transport->GetTransportText2(), u"");
  EXPECT_EQ(transport->GetTransportText3(), u"");
  EXPECT_EQ(transport->GetTransportNumber2(), 1);
  EXPECT_EQ(transport->GetTransportNumber3(), 1);
  EXPECT_EQ(transport->GetTransportNumber4(), 0);
  EXPECT_EQ(transport->GetTransportNumber5(), 0);
  EXPECT_EQ(transport->GetTransportNumber6(), 0);

  void* out = nullptr;
  EXPECT_EQ(transport->GetDataInterface(CONTAINER_USER_PROFILE, &out), 0);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(transport->GetDataInterface(CONTAINER_TRANSPORT, nullptr), 0);
  EXPECT_EQ(transport->GetDataInterface(CONTAINER_TRANSPORT, &out), 1);
  EXPECT_EQ(out, static_cast<void*>(transport));
  EXPECT_EQ(static_cast<CTransport*>(transport)->HolderCount(), 2u);
  transport->Release();
  EXPECT_EQ(transport->Release(), 1);
}

TEST(Transport, StoresValuesUnchangedAndCloneCopiesAllNine) {
  auto* source = new CTransport();
  source->AddRef();
  // Our decision: the numbers are signed and kept bit for bit, extremes included.
  source->SetTransportNumber1(INT_MIN);
  source->SetTransportNumber2(-1);
  source->SetTransportNumber3(0);
  source->SetTransportNumber4(INT_MAX);
  source->SetTransportNumber5(5);
  source->SetTransportNumber6(6);
  source->SetTransportText1(u"one");
  source->SetTransportText2(u"");
  source->SetTransportText3(u"three \u00e9");

  auto* clone = static_cast<ITransport*>(source->Clone());
  EXPECT_EQ(static_cast<CTransport*>(clone)->HolderCount(), 1u);
  EXPECT_EQ(source->HolderCount(), 2u);
  for (ITransport* t : {static_cast<ITransport*>(source), clone}) {
    EXPECT_EQ(t->GetTransportNumber1(), INT_MIN);
    EXPECT_EQ(t->GetTransportNumber2(), -1);
    EXPECT_EQ(t->GetTransportNumber3(), 0);
    EXPECT_EQ(t->GetTransportNumber4(), INT_MAX);
    EXPECT_EQ(t->GetTransportNumber5(), 5);
    EXPECT_EQ(t->GetTransportNumber6(), 6);
    EXPECT_EQ(t->GetTransportText1(), u"one");
    EXPECT_EQ(t->GetTransportText2(), u"");
    EXPECT_EQ(t->GetTransportText3(), u"three \u00e9");
  }
  clone->SetTransportText1(u"changed");
  clone->SetTransportNumber6(60);
  EXPECT_EQ(source->GetTransportText1(), u"one");
  EXPECT_EQ(source->GetTransportNumber6(), 6);
  clone->Release();
  source->Release();
  source->Release();
}

}  // namespace
