// The library-wide request-identifier counter, in a process of its own: no other request may
// be made before these.
#include <gtest/gtest.h>

#include "framework/catalogue.h"
#include "qodata/web_request.h"

namespace {

TEST(WebRequestId, CountsFromOneAndClonesKeepTheirSourcesIdentifier) {
  auto* first = static_cast<IWebRequest*>(qo::MakeContainer(CONTAINER_WEB_REQUEST));
  auto* second = static_cast<IWebRequest*>(qo::MakeContainer(CONTAINER_WEB_REQUEST));
  EXPECT_EQ(first->GetRequestId(), 1u);
  EXPECT_EQ(second->GetRequestId(), 2u);

  auto* clone = static_cast<IWebRequest*>(first->Clone());  // draws 3, then takes 1
  EXPECT_EQ(clone->GetRequestId(), 1u);
  auto* third = static_cast<IWebRequest*>(qo::MakeContainer(CONTAINER_WEB_REQUEST));
  EXPECT_EQ(third->GetRequestId(), 4u);

  for (IWebRequest* request : {first, second, clone, third}) request->Release();
  auto* after = static_cast<IWebRequest*>(qo::MakeContainer(CONTAINER_WEB_REQUEST));
  EXPECT_EQ(after->GetRequestId(), 5u);  // identifiers are never reused
  after->Release();
}

}  // namespace
