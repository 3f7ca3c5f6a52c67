// Connection properties and XMPP connection properties: defaults, settings and Compare.
#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "qodata/connection.h"

namespace {

using qo::String;

// Every setting, as the getters give it back.
auto Settings(IConnectionProperties& p) {
  return std::tuple(p.getServerHost(), p.getServerPort(), p.getServerType(), p.getConnectAttempts(),
                    p.getProxyHost(), p.getProxyPort(), p.getProxyType(), p.getProxyUserName(),
                    p.getProxyPassword(), p.useProxyAuthentication(), p.useProxyConnection(),
                    p.getUrl(), p.getRetries(), p.GetAutoconfigureStatus(), p.getTimeOut(),
                    p.getRefresh());
}

TEST(ConnectionProperties, DefaultsAndEverySetting) {
  CConnectionProperties source;
  EXPECT_FALSE(source.getServerHost().empty());  // the deployment's default host
  EXPECT_EQ(Settings(source), std::tuple(source.getServerHost(), 6301, 0, 3, String(), 0, 0,
                                         String(), String(), false, false, String(), 3, 1, 0, 0));
  source.setTimeOut(60);  // refresh and time-out store nothing
  source.setRefresh(30);
  source.setServerHost(u"host");
  source.setServerPort(-1);  // accepted unchanged
  source.setServerType(static_cast<tagSERVER_TYPE>(4));
  source.setConnectAttempts(0);
  source.setProxyHost(u"proxy");
  source.setProxyPort(8080);
  source.setProxyType(static_cast<tagPROXY_TYPE>(2));
  source.setProxyUserName(u"user");
  source.setProxyPassword(u"secret");
  source.setUseProxyAuthentication(true);
  source.setUseProxyConnection(true);
  source.setUrl(u"http://config");
  source.setRetries(7);
  source.SetAutoconfigureStatus(-2);
  const auto filled =
      std::tuple(String(u"host"), -1, 4, 0, String(u"proxy"), 8080, 2, String(u"user"),
                 String(u"secret"), true, true, String(u"http://config"), 7, -2, 0, 0);
  EXPECT_EQ(Settings(source), filled);
}

TEST(XmppConnProperties, DefaultsAndTheBoshServerIsTheServer) {
  CXMPPConnProperties properties;
  EXPECT_FALSE(properties.GetDomain().empty());  // the deployment's defaults
  EXPECT_FALSE(properties.GetServer().empty());
  EXPECT_EQ(std::tuple(properties.GetResource(), properties.GetPort(), properties.GetTimeout(),
                       properties.GetEncryptType(), properties.IsPlainTextAllowed(),
                       properties.IsSSLWarningIgnored(), properties.IsWeb()),
            std::tuple(String(u"Home"), 5223, 120000u, 3, 1, 0, 0));
  properties.SetBoshServer(u"bosh.example");  // the BOSH server is the server
  EXPECT_EQ(properties.GetServer(), u"bosh.example");
  properties.SetServer(u"direct.example");
  EXPECT_EQ(properties.GetBoshServer(), u"direct.example");
}

TEST(XmppConnProperties, CompareIgnoresCaseOnlyInTheThreeTexts) {
  auto* base = static_cast<CXMPPConnProperties*>(
      static_cast<IXMPPConnProperties*>(qo::MakeContainer(CONTAINER_XMPP_CONN_PROPERTIES)));
  ASSERT_NE(base, nullptr);
  base->SetDomain(u"Example.ORG");
  base->SetResource(u"Home");
  base->SetServer(u"XMPP.example.org");
  EXPECT_EQ(std::tuple(base->Compare(base), base->Compare(nullptr)), std::tuple(1, 0));  // null: 0
  CXMPPConnProperties other(*base);
  other.SetDomain(u"example.org");
  other.SetResource(u"HOME");
  other.SetServer(u"xmpp.EXAMPLE.org");
  EXPECT_EQ(std::tuple(base->Compare(&other), other.Compare(base)), std::tuple(1, 1));

  // Each field alone makes a difference, both ways.
  void (*const changes[])(CXMPPConnProperties&) = {
      [](CXMPPConnProperties& p) { p.SetDomain(u"example.net"); },
      [](CXMPPConnProperties& p) { p.SetResource(u"Work"); },
      [](CXMPPConnProperties& p) { p.SetPort(5222); },
      [](CXMPPConnProperties& p) { p.SetServer(u"other.example.org"); },
      [](CXMPPConnProperties& p) { p.SetBoshServer(u"bosh.example.org"); },
      [](CXMPPConnProperties& p) { p.SetTimeout(1); },
      [](CXMPPConnProperties& p) { p.SetSLLWarningIgnored(1); },
      [](CXMPPConnProperties& p) { p.SetPlainTextAllowed(2); },  // not a bool
      [](CXMPPConnProperties& p) { p.SetWeb(1); },
      [](CXMPPConnProperties& p) {
        p.SetEncryptionType(static_cast<tagXMPPCONN_ENCRYPTION_TYPE>(1));
      },
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(&change - changes);
    CXMPPConnProperties changed(*base);
    change(changed);
    EXPECT_EQ(std::tuple(base->Compare(&changed), changed.Compare(base)), std::tuple(0, 0));
  }
  base->Release();
}

}  // namespace
