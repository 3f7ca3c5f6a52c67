// Connection properties and XMPP connection properties: defaults, copies and Compare.
#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "qodata/connection.h"

namespace {

using qo::String;

// Every setting, as the getters give it back.
auto Settings(IConnectionProperties& p) {
  return std::tuple(p.getServerPort(), p.getServerType(), p.getConnectAttempts(), p.getProxyHost(),
                    p.getProxyPort(), p.getProxyType(), p.getProxyUserName(), p.getProxyPassword(),
                    p.useProxyAuthentication(), p.useProxyConnection(), p.getUrl(),
                    p.getRetries(), p.GetAutoconfigureStatus(), p.getTimeOut(), p.getRefresh());
}

TEST(ConnectionProperties, StartsWithTheDefaultsAndRefreshAndTimeOutStoreNothing) {
  CConnectionProperties properties;
  EXPECT_FALSE(properties.getServerHost().empty());  // the deployment's default host
  EXPECT_EQ(Settings(properties), std::tuple(6301, 0, 3, String(), 0, 0, String(), String(),
                                             false, false, String(), 3, 1, 0, 0));
  properties.setTimeOut(60);
  properties.setRefresh(30);
  EXPECT_EQ(properties.getTimeOut(), 0);
  EXPECT_EQ(properties.getRefresh(), 0);
}

TEST(ConnectionProperties, CopiesCarryEverySettingButNotTheHolders) {
  CConnectionProperties source;
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
  source.AddRef();

  auto check = [](IConnectionProperties& copy) {
    EXPECT_EQ(copy.getServerHost(), u"host");
    EXPECT_EQ(Settings(copy), std::tuple(-1, 4, 0, String(u"proxy"), 8080, 2, String(u"user"),
                                         String(u"secret"), true, true, String(u"http://config"),
                                         7, -2, 0, 0));
  };

  auto* clone = static_cast<IConnectionProperties*>(source.Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_CONNECTION_PROPERTIES);
  EXPECT_EQ(static_cast<CConnectionProperties*>(clone)->HolderCount(), 1u);
  check(*clone);
  clone->Release();

  CConnectionProperties copied(source);
  EXPECT_EQ(copied.HolderCount(), 1u);
  check(copied);

  CConnectionProperties target;
  target.AddRef();
  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(target.HolderCount(), 2u);
  check(target);
}

TEST(XmppConnProperties, StartsWithTheDefaultsAndTheBoshServerIsTheServer) {
  CXMPPConnProperties properties;
  EXPECT_FALSE(properties.GetDomain().empty());  // the deployment's defaults
  EXPECT_FALSE(properties.GetServer().empty());
  EXPECT_EQ(std::tuple(properties.GetResource(), properties.GetPort(), properties.GetTimeout(),
                       properties.GetEncryptType(), properties.IsPlainTextAllowed(),
                       properties.IsSSLWarningIgnored(), properties.IsWeb()),
            std::tuple(String(u"Home"), 5223, 120000u, 3, 1, 0, 0));
  properties.SetBoshServer(u"bosh.example");
  EXPECT_EQ(properties.GetServer(), u"bosh.example");
  properties.SetServer(u"direct.example");
  EXPECT_EQ(properties.GetBoshServer(), u"direct.example");
}

TEST(XmppConnProperties, CompareIgnoresCaseOnlyInTheThreeTexts) {
  CXMPPConnProperties base;
  base.SetDomain(u"Example.ORG");
  base.SetResource(u"Home");
  base.SetServer(u"XMPP.example.org");

  CXMPPConnProperties other(base);
  other.SetDomain(u"example.org");
  other.SetResource(u"HOME");
  other.SetServer(u"xmpp.EXAMPLE.org");
  EXPECT_EQ(base.Compare(&other), 1);
  EXPECT_EQ(other.Compare(&base), 1);
  EXPECT_EQ(base.Compare(&base), 1);
  EXPECT_EQ(base.Compare(nullptr), 0);  // nothing to compare with

  // Each field alone makes a difference.
  auto differs = [&base](void (*change)(CXMPPConnProperties&)) {
    CXMPPConnProperties changed(base);
    change(changed);
    return base.Compare(&changed) == 0 && changed.Compare(&base) == 0;
  };
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetDomain(u"example.net"); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetResource(u"Work"); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetPort(5222); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetServer(u"other.example.org"); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetBoshServer(u"bosh.example.org"); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetTimeout(1); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetSLLWarningIgnored(1); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetPlainTextAllowed(2); }));  // not a bool
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) { p.SetWeb(1); }));
  EXPECT_TRUE(differs([](CXMPPConnProperties& p) {
    p.SetEncryptionType(static_cast<tagXMPPCONN_ENCRYPTION_TYPE>(1));
  }));
}

TEST(XmppConnProperties, ClonesAndAssignmentsCompareEqual) {
  auto* source =
      static_cast<IXMPPConnProperties*>(qo::MakeContainer(CONTAINER_XMPP_CONN_PROPERTIES));
  ASSERT_NE(source, nullptr);
  source->SetSLLWarningIgnored(1);
  source->SetPlainTextAllowed(0);
  source->SetWeb(1);
  source->SetEncryptionType(static_cast<tagXMPPCONN_ENCRYPTION_TYPE>(0));
  source->SetTimeout(5);
  source->SetPort(1);
  source->SetDomain(u"d");
  source->SetResource(u"r");
  source->SetServer(u"s");
  source->AddRef();

  auto* clone = static_cast<IXMPPConnProperties*>(source->Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_XMPP_CONN_PROPERTIES);
  EXPECT_EQ(static_cast<CXMPPConnProperties*>(clone)->HolderCount(), 1u);
  EXPECT_EQ(clone->Compare(source), 1);  // Compare weighs every field

  CXMPPConnProperties target;
  target.AddRef();
  target = *static_cast<CXMPPConnProperties*>(source);
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(target.Compare(source), 1);
  EXPECT_EQ(&(target & *static_cast<CXMPPConnProperties*>(clone)), &target);
  clone->Release();
  source->Release();
  source->Release();
}

}  // namespace
