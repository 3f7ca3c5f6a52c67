// Connection properties and XMPP connection properties: defaults, settings and Compare.
#include <gtest/gtest.h>

#include <tuple>

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
  EXPECT_EQ(Settings(source),
            std::tuple(String(u"host"), -1, 4, 0, String(u"proxy"), 8080, 2, String(u"user"),
                       String(u"secret"), true, true, String(u"http://config"), 7, -2, 0, 0));
}

TEST(XmppConnProperties, DefaultsOneServerAndCompareIgnoringCaseInTheThreeTexts) {
  using Xmpp = CXMPPConnProperties;
  Xmpp base;
  EXPECT_FALSE(base.GetDomain().empty() || base.GetServer().empty());  // the deployment's
  EXPECT_EQ(std::tuple(base.GetResource(), base.GetPort(), base.GetTimeout(), base.GetEncryptType(),
                       base.IsPlainTextAllowed(), base.IsSSLWarningIgnored(), base.IsWeb()),
            std::tuple(String(u"Home"), 5223, 120000u, 3, 1, 0, 0));
  base.SetBoshServer(u"bosh.example");  // the BOSH server is the server
  EXPECT_EQ(base.GetServer(), u"bosh.example");
  base.SetServer(u"XMPP.example.org");
  EXPECT_EQ(base.GetBoshServer(), u"XMPP.example.org");

  base.SetDomain(u"Example.ORG");
  EXPECT_EQ(std::tuple(base.Compare(&base), base.Compare(nullptr)), std::tuple(1, 0));  // null: 0
  Xmpp other(base);
  other.SetDomain(u"example.org");
  other.SetResource(u"HOME");
  other.SetServer(u"xmpp.EXAMPLE.org");
  EXPECT_EQ(std::tuple(base.Compare(&other), other.Compare(&base)), std::tuple(1, 1));

  // Each field alone makes a difference, both ways.
  void (*const changes[])(Xmpp&) = {
      [](Xmpp& p) { p.SetDomain(u"example.net"); },
      [](Xmpp& p) { p.SetResource(u"Work"); },
      [](Xmpp& p) { p.SetPort(5222); },
      [](Xmpp& p) { p.SetServer(u"other.example.org"); },
      [](Xmpp& p) { p.SetTimeout(1); },
      [](Xmpp& p) { p.SetSLLWarningIgnored(1); },
      [](Xmpp& p) { p.SetPlainTextAllowed(2); },  // not a bool
      [](Xmpp& p) { p.SetWeb(1); },
      [](Xmpp& p) { p.SetEncryptionType(static_cast<tagXMPPCONN_ENCRYPTION_TYPE>(1)); },
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(&change - changes);
    Xmpp changed(base);
    change(changed);
    EXPECT_EQ(std::tuple(base.Compare(&changed), changed.Compare(&base)), std::tuple(0, 0));
  }
}

}  // namespace
