// Connection properties and XMPP connection properties: defaults, copies and Compare.
#include <gtest/gtest.h>

#include "framework/catalogue.h"
#include "qodata/connection.h"

namespace {

TEST(ConnectionProperties, StartsWithTheDefaults) {
  CConnectionProperties properties;
  EXPECT_FALSE(properties.getServerHost().empty());  // the deployment's default host
  EXPECT_EQ(properties.getServerPort(), 6301);
  EXPECT_EQ(properties.getConnectAttempts(), 3);
  EXPECT_EQ(properties.getRetries(), 3);
  EXPECT_EQ(properties.getServerType(), 0);
  EXPECT_EQ(properties.GetAutoconfigureStatus(), 1);
  EXPECT_FALSE(properties.useProxyAuthentication());
  EXPECT_FALSE(properties.useProxyConnection());
  EXPECT_EQ(properties.getProxyHost(), u"");
  EXPECT_EQ(properties.getProxyPort(), 0);
  EXPECT_EQ(properties.getProxyType(), 0);
  EXPECT_EQ(properties.getProxyUserName(), u"");
  EXPECT_EQ(properties.getProxyPassword(), u"");
  EXPECT_EQ(properties.getUrl(), u"");
}

TEST(ConnectionProperties, RefreshAndTimeOutStoreNothing) {
  CConnectionProperties properties;
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
    EXPECT_EQ(copy.getServerPort(), -1);
    EXPECT_EQ(copy.getServerType(), 4);
    EXPECT_EQ(copy.getConnectAttempts(), 0);
    EXPECT_EQ(copy.getProxyHost(), u"proxy");
    EXPECT_EQ(copy.getProxyPort(), 8080);
    EXPECT_EQ(copy.getProxyType(), 2);
    EXPECT_EQ(copy.getProxyUserName(), u"user");
    EXPECT_EQ(copy.getProxyPassword(), u"secret");
    EXPECT_TRUE(copy.useProxyAuthentication());
    EXPECT_TRUE(copy.useProxyConnection());
    EXPECT_EQ(copy.getUrl(), u"http://config");
    EXPECT_EQ(copy.getRetries(), 7);
    EXPECT_EQ(copy.GetAutoconfigureStatus(), -2);
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

TEST(XmppConnProperties, StartsWithTheDefaults) {
  CXMPPConnProperties properties;
  EXPECT_FALSE(properties.GetDomain().empty());  // the deployment's defaults
  EXPECT_FALSE(properties.GetServer().empty());
  EXPECT_EQ(properties.GetResource(), u"Home");
  EXPECT_EQ(properties.GetPort(), 5223);
  EXPECT_EQ(properties.GetTimeout(), 120000u);
  EXPECT_EQ(properties.GetEncryptType(), 3);
  EXPECT_EQ(properties.IsPlainTextAllowed(), 1);
  EXPECT_EQ(properties.IsSSLWarningIgnored(), 0);
  EXPECT_EQ(properties.IsWeb(), 0);
}

TEST(XmppConnProperties, BoshServerIsTheServer) {
  CXMPPConnProperties properties;
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
  EXPECT_EQ(clone->IsSSLWarningIgnored(), 1);
  EXPECT_EQ(clone->IsPlainTextAllowed(), 0);
  EXPECT_EQ(clone->Compare(source), 1);

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
