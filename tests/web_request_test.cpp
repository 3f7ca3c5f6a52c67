// The web request: body with its trailing zero, parts, parameters, headers, held user data.
#include "services/web_request.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "probe_containers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Found = std::pair<int, qo::String>;
using Lookup = std::int32_t (IWebRequest::*)(qo::String, qo::String&);
using Lister = std::int32_t (IWebRequest::*)(qo::StringList&);
constexpr Lookup kParameter = &IWebRequest::GetParameter;
constexpr Lookup kPartValue = &IWebRequest::GetPartValue;

// The answer and text of a lookup; the text stays "untouched" unless written.
Found Get(IWebRequest& r, Lookup lookup, const qo::String& name) {
  qo::String value = u"untouched";
  const int answer = (r.*lookup)(name, value);
  return {answer, value};
}

// The list a getter writes over a stale one, sorted, once its answer is checked as the size.
qo::StringList List(IWebRequest& r, Lister lister) {
  qo::StringList list{u"stale"};
  const int answer = (r.*lister)(list);
  EXPECT_EQ(answer, static_cast<int>(list.size()));
  std::sort(list.begin(), list.end());
  return list;
}

// GetPartData's answer, type, flags, length and bytes (the caller's buffer); unwritten: 42.
auto ReadPart(IWebRequest& r, const qo::String& name) {
  std::uint32_t type = 42, flags = 42, length = 42;
  std::uint8_t mark = 42;
  std::uint8_t* data = &mark;
  const int answer = r.GetPartData(name, type, flags, data, length);
  Bytes bytes{42};
  if (data != &mark) {
    EXPECT_EQ(data == nullptr, length == 0) << "a buffer exactly when there are bytes";
    bytes.clear();
    if (data != nullptr) bytes.assign(data, data + length);
    std::free(data);
  }
  return std::tuple(answer, type, flags, length, bytes);
}

// The plain values of a request.
auto Plain(IWebRequest& r) {
  qo::String primary;
  r.GetPrimaryText(primary);
  return std::tuple(r.GetRequestKind(), r.GetAddress(), r.GetRequestOption(), r.GetContextValue(),
                    primary, r.GetSecondaryText(), r.GetBodyFlags(), r.GetBodyType(),
                    r.GetValuePair().first, r.GetValuePair().second, r.GetRequestFlags());
}

TEST(WebRequest, BodyKeepsATrailingZeroAndPartsParametersAndHeadersAreCaseSensitiveMaps) {
  CWebRequest request;
  EXPECT_EQ(std::tuple(request.GetBody(), request.GetBodyLength()), std::tuple(nullptr, 0u));
  const std::uint8_t abc[] = {'a', 'b', 'c'};
  const std::uint8_t z[] = {'z'};
  // No bytes (null data or length 0) leave the body as it was; flags and type always change.
  const std::tuple<const std::uint8_t*, std::uint32_t, const char*> steps[] = {
      {abc, 3, "abc"}, {nullptr, 0, "abc"}, {abc, 0, "abc"}, {nullptr, 10, "abc"}, {z, 1, "z"}};
  std::uint32_t flags = 1;
  for (const auto& [data, length, body] : steps) {
    SCOPED_TRACE(flags);
    request.SetBody(flags, flags + 10, data, length);
    EXPECT_EQ(request.GetBodyFlags(), flags);
    EXPECT_EQ(request.GetBodyType(), flags++ + 10);
    ASSERT_EQ(request.GetBodyLength(), std::strlen(body));
    EXPECT_NE(request.GetBody(), data);  // a copy of the bytes, then 0
    EXPECT_EQ(std::memcmp(request.GetBody(), body, std::strlen(body) + 1), 0);
  }

  const std::uint8_t bytes[] = {1, 2, 3};
  EXPECT_EQ(request.SetPartData(u"file", 1, 2, bytes, 3), 0);  // never added
  request.AddPart(u"file", u"report.txt");
  EXPECT_EQ(ReadPart(request, u"file"), std::tuple(0, 0u, 0u, 0u, Bytes{}));  // no bytes yet
  EXPECT_EQ(request.SetPartData(u"file", 4, 5, bytes, 3), 1);
  EXPECT_EQ(ReadPart(request, u"file"), std::tuple(3, 4u, 5u, 3u, Bytes{1, 2, 3}));
  EXPECT_EQ(request.SetPartData(u"file", 6, 7, nullptr, 3), 1);  // type and flags only
  EXPECT_EQ(ReadPart(request, u"file"), std::tuple(3, 6u, 7u, 3u, Bytes{1, 2, 3}));
  EXPECT_EQ(Get(request, kPartValue, u"file"), Found(1, u"report.txt"));
  EXPECT_EQ(Get(request, kPartValue, u"File"), Found(0, u"untouched"));
  request.AddPart(u"file", u"again.txt");  // replaces the record, bytes and all
  EXPECT_EQ(ReadPart(request, u"file"), std::tuple(0, 0u, 0u, 0u, Bytes{}));
  EXPECT_EQ(Get(request, kPartValue, u"file"), Found(1, u"again.txt"));
  request.AddPart(u"other", u"");
  EXPECT_EQ(List(request, &IWebRequest::GetPartNames), (qo::StringList{u"file", u"other"}));
  EXPECT_EQ((std::tuple{request.RemovePart(u"file"), request.RemovePart(u"file")}),
            std::tuple(1, 0));
  EXPECT_EQ(ReadPart(request, u"file"), std::tuple(0, 42u, 42u, 42u, Bytes{42}));  // unwritten
  EXPECT_EQ(Get(request, kPartValue, u"file"), Found(0, u"untouched"));

  request.SetParameter(u"q", u"1");
  request.SetParameter(u"q", u"2");
  request.SetParameter(u"page", u"3");
  EXPECT_EQ(Get(request, kParameter, u"Q"), Found(0, u"untouched"));
  EXPECT_EQ(Get(request, kParameter, u"q"), Found(1, u"2"));
  EXPECT_EQ((std::tuple{request.RemoveParameter(u"q"), request.RemoveParameter(u"q")}),
            std::tuple(1, 0));
  EXPECT_EQ(List(request, &IWebRequest::GetParameterNames), (qo::StringList{u"page"}));

  request.SetHeader(u"Accept", u"text/plain");
  request.SetHeader(u"Accept", u"*/*");
  request.SetHeader(u"X-Empty", u"");
  EXPECT_EQ(List(request, &IWebRequest::GetHeaders), (qo::StringList{u"Accept:*/*", u"X-Empty:"}));
}

TEST(WebRequest, UserDataIsAHeldCloneAndClonesHoldTheirOwn) {
  const int destroyedBefore = g_probesDestroyed;
  IWebRequest* request = new CWebRequest();
  // Our choice of starting values: all 0 and empty.
  EXPECT_EQ(Plain(*request),
            std::tuple(0u, qo::String(), 0u, 0u, qo::String(), qo::String(), 0u, 0u, 0u, 0u, 0u));
  EXPECT_EQ(request->GetUserData(), nullptr);
  request->SetRequest(3, u"addr", 4);
  request->SetContextValue(5);
  request->SetPrimaryText(u"primary");
  request->SetSecondaryText(u"secondary");
  EXPECT_EQ(request->SetValuePair(8, 9), 8u);  // answers the first value
  request->SetRequestFlags(10);
  EXPECT_EQ(Plain(*request), std::tuple(3u, qo::String(u"addr"), 4u, 5u, qo::String(u"primary"),
                                        qo::String(u"secondary"), 0u, 0u, 8u, 9u, 10u));

  auto* probe = new Probe();
  IDataContainer* given = static_cast<IProbeMain*>(probe);
  request->SetUserData(given);
  IDataContainer* held = request->GetUserData();
  ASSERT_NE(held, nullptr);
  EXPECT_NE(held, given);
  EXPECT_EQ(dynamic_cast<Probe*>(held)->HolderCount(), 1u);
  request->SetUserData(nullptr);  // keeps what was held
  EXPECT_EQ(request->GetUserData(), held);
  probe->value = 13;
  request->SetUserData(given);  // replaces: the first clone goes
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);
  probe->Release();

  auto* clone = static_cast<IWebRequest*>(request->Clone());
  request->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 3);  // the source's user data went with it
  auto* userData = dynamic_cast<Probe*>(clone->GetUserData());
  ASSERT_NE(userData, nullptr);
  EXPECT_EQ(std::tuple(userData->value, userData->HolderCount()), std::tuple(13, 1u));
  clone->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 4);  // every probe exactly once
}

}  // namespace
