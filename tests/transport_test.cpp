// The transport container: nine values stored unchanged, copied whole by Clone.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "container_table.h"
#include "framework/catalogue.h"

namespace {

using qo::String;

using qo::test::Fields;

TEST(Transport, StartValuesSignedValuesKeptBitForBitAndCloneCopiesAllNine) {
  auto* source = static_cast<ITransport*>(qo::MakeContainer(CONTAINER_TRANSPORT));
  EXPECT_EQ(Fields(*source), std::tuple(0, String(), String(), String(), 1, 1, 0, 0, 0));
  // Our decision: the numbers are signed and kept bit for bit, extremes included.
  source->SetTransportNumber1(INT_MIN);
  source->SetTransportNumber2(-1);
  source->SetTransportNumber3(0);
  source->SetTransportNumber4(INT_MAX);
  source->SetTransportNumber5(5);
  source->SetTransportNumber6(-6);
  source->SetTransportText1(u"one");
  source->SetTransportText2(u"two");
  source->SetTransportText3(u"three \u00e9");
  const auto given = std::tuple(INT_MIN, String(u"one"), String(u"two"), String(u"three \u00e9"),
                                -1, 0, INT_MAX, 5, -6);
  EXPECT_EQ(Fields(*source), given);

  auto* clone = static_cast<ITransport*>(source->Clone());
  EXPECT_EQ(Fields(*clone), given);
  clone->Release();
  source->Release();
}

}  // namespace
