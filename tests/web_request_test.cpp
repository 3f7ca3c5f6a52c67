// The web request: body with its trailing zero, parts, parameters, headers, user data, Clone.
#include "services/web_request.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <tuple>

#include "framework/catalogue.h"
#include "probe_containers.h"

namespace {


TEST(WebRequest, BodyKeepsATrailingZeroAndSurvivesAnEmptySetBody) {
  CWebRequest request;
  EXPECT_EQ(request.GetBody(), nullptr);
  EXPECT_EQ(request.GetBodyLength(), 0u);

  const std::uint8_t bytes[] = {'a', 'b', 'c'};
  request.SetBody(1, 2, bytes, 3);
  EXPECT_EQ(request.GetBodyFlags(), 1u);
  EXPECT_EQ(request.GetBodyType(), 2u);
  ASSERT_EQ(request.GetBodyLength(), 3u);
  const std::uint8_t* body = request.GetBody();
  ASSERT_NE(body, nullptr);
  EXPECT_NE(body, bytes);
  EXPECT_EQ(std::memcmp(body, "abc", 4), 0);  // the three bytes, then 0

  request.SetBody(1, 1, nullptr, 0);
  request.SetBody(5, 6, bytes, 0);  // no bytes either way: the body stays
  EXPECT_EQ(request.GetBodyFlags(), 5u);
  EXPECT_EQ(request.GetBodyType(), 6u);
  EXPECT_EQ(request.GetBodyLength(), 3u);
  EXPECT_EQ(std::memcmp(request.GetBody(), "abc", 4), 0);

  request.SetBody(7, 8, nullptr, 10);  // no bytes to copy: like length 0
  EXPECT_EQ(request.GetBodyLength(), 3u);
  EXPECT_EQ(request.GetBodyFlags(), 7u);

  const std::uint8_t shorter[] = {'z'};
  request.SetBody(0, 0, shorter, 1);
  EXPECT_EQ(request.GetBodyLength(), 1u);
  EXPECT_EQ(std::memcmp(request.GetBody(), "z", 2), 0);
}

TEST(WebRequest, PartsCarryTextAndBytesHandedOutWithMalloc) {
  CWebRequest request;
  const std::uint8_t bytes[] = {1, 2, 3};
  EXPECT_EQ(request.SetPartData(u"file", 1, 2, bytes, 3), 0);  // never added

  request.AddPart(u"file", u"report.txt");
  std::uint32_t type = 99;
  std::uint32_t flags = 99;
  std::uint8_t* data = reinterpret_cast<std::uint8_t*>(0x1);
  std::uint32_t length = 99;
  EXPECT_EQ(request.GetPartData(u"file", type, flags, data, length), 0);  // no data yet
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(type, 0u);
  EXPECT_EQ(flags, 0u);
  EXPECT_EQ(data, nullptr);  // no buffer for a part without bytes

  EXPECT_EQ(request.SetPartData(u"file", 4, 5, bytes, 3), 1);
  ASSERT_EQ(request.GetPartData(u"file", type, flags, data, length), 3);
  EXPECT_EQ(type, 4u);
  EXPECT_EQ(flags, 5u);
  EXPECT_EQ(length, 3u);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::memcmp(data, bytes, 3), 0);
  std::free(data);  // the caller's buffer

  EXPECT_EQ(request.SetPartData(u"file", 6, 7, nullptr, 3), 1);  // type and flags only
  EXPECT_EQ(request.GetPartData(u"file", type, flags, data, length), 3);
  EXPECT_EQ(type, 6u);
  std::free(data);

  qo::String value;
  EXPECT_EQ(request.GetPartValue(u"file", value), 1);
  EXPECT_EQ(value, u"report.txt");
  EXPECT_EQ(request.GetPartValue(u"File", value), 0);  // names are case-sensitive

  request.AddPart(u"file", u"again.txt");  // replaces the record, bytes and all
  EXPECT_EQ(request.GetPartData(u"file", type, flags, data, length), 0);
  EXPECT_EQ(request.GetPartValue(u"file", value), 1);
  EXPECT_EQ(value, u"again.txt");

  qo::StringList names{u"stale"};
  request.AddPart(u"other", u"");
  EXPECT_EQ(request.GetPartNames(names), 2);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (qo::StringList{u"file", u"other"}));

  EXPECT_EQ(request.RemovePart(u"file"), 1);
  EXPECT_EQ(request.RemovePart(u"file"), 0);
  type = 42;
  EXPECT_EQ(request.GetPartData(u"file", type, flags, data, length), 0);
  EXPECT_EQ(type, 42u);  // nothing written for a missing part
  EXPECT_EQ(request.GetPartValue(u"file", value), 0);
}

TEST(WebRequest, ParametersAndHeaders) {
  CWebRequest request;
  request.SetParameter(u"q", u"1");
  request.SetParameter(u"q", u"2");
  request.SetParameter(u"page", u"3");
  qo::String value = u"untouched";
  EXPECT_EQ(request.GetParameter(u"Q", value), 0);
  EXPECT_EQ(value, u"untouched");
  EXPECT_EQ(request.GetParameter(u"q", value), 1);
  EXPECT_EQ(value, u"2");
  qo::StringList names;
  EXPECT_EQ(request.GetParameterNames(names), 2);
  EXPECT_EQ(request.RemoveParameter(u"q"), 1);
  EXPECT_EQ(request.RemoveParameter(u"q"), 0);
  EXPECT_EQ(request.GetParameterNames(names), 1);
  EXPECT_EQ(names, (qo::StringList{u"page"}));

  qo::StringList headers{u"stale", u"lines"};
  EXPECT_EQ(request.GetHeaders(headers), 0);
  EXPECT_TRUE(headers.empty());
  request.SetHeader(u"Accept", u"text/plain");
  EXPECT_EQ(request.GetHeaders(headers), 1);
  EXPECT_EQ(headers, (qo::StringList{u"Accept:text/plain"}));
  request.SetHeader(u"Accept", u"*/*");
  request.SetHeader(u"X-Empty", u"");
  EXPECT_EQ(request.GetHeaders(headers), 2);
  std::sort(headers.begin(), headers.end());
  EXPECT_EQ(headers, (qo::StringList{u"Accept:*/*", u"X-Empty:"}));
}

// The plain values of a request.
auto Plain(IWebRequest& r) {
  qo::String primary;
  r.GetPrimaryText(primary);
  return std::tuple(r.GetRequestKind(), r.GetAddress(), r.GetRequestOption(), r.GetContextValue(),
                    primary, r.GetSecondaryText(), r.GetBodyFlags(), r.GetBodyType(),
                    r.GetValuePair().first, r.GetValuePair().second, r.GetRequestFlags());
}

TEST(WebRequest, PlainValuesStartAtZeroAndSetValuePairAnswersTheFirst) {
  CWebRequest request;  // our choice of starting values
  EXPECT_EQ(Plain(request), std::tuple(0u, qo::String(), 0u, 0u, qo::String(), qo::String(), 0u,
                                       0u, 0u, 0u, 0u));
  EXPECT_EQ(request.GetUserData(), nullptr);
  EXPECT_EQ(request.SetValuePair(5, 9), 5u);
  EXPECT_EQ(request.GetValuePair().second, 9u);
}

TEST(WebRequest, UserDataIsAHeldClone) {
  const int destroyedBefore = g_probesDestroyed;
  {
    CWebRequest request;
    auto* probe = new Probe();
    probe->value = 1;
    IDataContainer* given = static_cast<IProbeMain*>(probe);
    request.SetUserData(given);
    IDataContainer* held = request.GetUserData();
    ASSERT_NE(held, nullptr);
    EXPECT_NE(held, given);
    EXPECT_EQ(dynamic_cast<Probe*>(held)->HolderCount(), 1u);
    request.SetUserData(nullptr);  // keeps what was held
    EXPECT_EQ(request.GetUserData(), held);
    probe->value = 2;
    request.SetUserData(given);  // replaces: the first clone goes
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);
    EXPECT_EQ(dynamic_cast<Probe*>(request.GetUserData())->value, 2);
    probe->Release();
  }
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 3);
}

TEST(WebRequest, CloneCopiesEverythingAndKeepsTheIdentifier) {
  const int destroyedBefore = g_probesDestroyed;
  auto* request = static_cast<IWebRequest*>(qo::MakeContainer(CONTAINER_WEB_REQUEST));
  ASSERT_NE(request, nullptr);
  request->SetRequest(3, u"addr", 4);
  request->SetContextValue(5);
  request->SetPrimaryText(u"primary");
  request->SetSecondaryText(u"secondary");
  const std::uint8_t body[] = {'h', 'i'};
  request->SetBody(6, 7, body, 2);
  request->SetValuePair(8, 9);
  request->SetRequestFlags(10);
  request->AddPart(u"p", u"value");
  const std::uint8_t partBytes[] = {0, 255};
  request->SetPartData(u"p", 11, 12, partBytes, 2);
  request->AddPart(u"empty", u"e");
  request->SetParameter(u"k", u"v");
  request->SetHeader(u"H", u"x");
  Probe probe;
  probe.value = 13;
  request->SetUserData(static_cast<IProbeMain*>(&probe));

  auto* clone = static_cast<IWebRequest*>(request->Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_WEB_REQUEST);
  EXPECT_EQ(clone->GetRequestId(), request->GetRequestId());
  request->SetBody(0, 0, partBytes, 1);  // changing the source leaves the clone alone
  request->Release();

  EXPECT_EQ(Plain(*clone), std::tuple(3u, qo::String(u"addr"), 4u, 5u, qo::String(u"primary"),
                                      qo::String(u"secondary"), 6u, 7u, 8u, 9u, 10u));
  ASSERT_EQ(clone->GetBodyLength(), 2u);
  EXPECT_EQ(std::memcmp(clone->GetBody(), "hi", 3), 0);
  qo::String text;

  std::uint32_t type = 0;
  std::uint32_t flags = 0;
  std::uint8_t* data = nullptr;
  std::uint32_t length = 0;
  ASSERT_EQ(clone->GetPartData(u"p", type, flags, data, length), 2);
  EXPECT_EQ(type, 11u);
  EXPECT_EQ(flags, 12u);
  EXPECT_EQ(std::memcmp(data, partBytes, 2), 0);
  std::free(data);
  EXPECT_EQ(clone->GetPartValue(u"empty", text), 1);
  EXPECT_EQ(text, u"e");
  EXPECT_EQ(clone->GetParameter(u"k", text), 1);
  EXPECT_EQ(text, u"v");
  qo::StringList headers;
  EXPECT_EQ(clone->GetHeaders(headers), 1);
  EXPECT_EQ(headers, (qo::StringList{u"H:x"}));
  auto* userData = dynamic_cast<Probe*>(clone->GetUserData());
  ASSERT_NE(userData, nullptr);
  EXPECT_EQ(userData->value, 13);
  EXPECT_EQ(userData->HolderCount(), 1u);
  clone->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 2);  // the two held clones, once each
}

}  // namespace
