/// @file
/// The settings with which the client reaches its servers: the connection properties (type
/// code 6) and the XMPP connection properties (type code 33). Both only keep values: every
/// value is accepted unchanged, getters return copies, and neither holds other containers.
/// The default server host, XMPP domain and XMPP server are deployment settings compiled into
/// the library.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// The connection properties (type code 6): settings kept as values.
class IConnectionProperties : public IDataContainer {
 public:
  /// @name Settings
  ///@{

  /// Each setter stores a copy of its value, unchanged; each getter returns a copy.
  virtual qo::String getServerHost() = 0;
  virtual std::int32_t getServerPort() = 0;
  virtual std::int32_t getConnectAttempts() = 0;
  virtual tagSERVER_TYPE getServerType() = 0;
  virtual qo::String getProxyHost() = 0;
  virtual std::int32_t getProxyPort() = 0;
  virtual tagPROXY_TYPE getProxyType() = 0;
  virtual qo::String getProxyUserName() = 0;
  virtual qo::String getProxyPassword() = 0;
  virtual bool useProxyAuthentication() = 0;
  virtual bool useProxyConnection() = 0;
  virtual qo::String getUrl() = 0;
  /// Refresh and time-out are not stored: both getters give 0.
  virtual std::int32_t getRefresh() = 0;
  /// Gives 0: the time-out is not stored.
  virtual std::int32_t getTimeOut() = 0;
  virtual std::int32_t getRetries() = 0;
  virtual void setServerHost(qo::String host) = 0;
  virtual void setServerPort(std::int32_t port) = 0;
  virtual void setServerType(tagSERVER_TYPE type) = 0;
  virtual void setConnectAttempts(std::int32_t attempts) = 0;
  virtual void setProxyHost(qo::String host) = 0;
  virtual void setProxyPort(std::int32_t port) = 0;
  virtual void setProxyType(tagPROXY_TYPE type) = 0;
  virtual void setProxyUserName(qo::String userName) = 0;
  virtual void setProxyPassword(qo::String password) = 0;
  virtual void setUseProxyAuthentication(bool use) = 0;
  virtual void setUseProxyConnection(bool use) = 0;
  virtual void setUrl(qo::String url) = 0;
  /// Changes nothing: the refresh is not stored.
  virtual void setRefresh(std::int32_t refresh) = 0;
  /// Changes nothing: the time-out is not stored.
  virtual void setTimeOut(std::int32_t timeOut) = 0;
  virtual void setRetries(std::int32_t retries) = 0;
  virtual void SetAutoconfigureStatus(std::int32_t status) = 0;
  virtual std::int32_t GetAutoconfigureStatus() = 0;
  ///@}

 protected:
  ~IConnectionProperties() = default;
};

/// The XMPP connection properties (type code 33): settings kept as values.
class IXMPPConnProperties : public IDataContainer {
 public:
  /// @name Settings
  ///@{

  /// Each setter stores a copy of its value, unchanged; each getter returns a copy.
  virtual qo::String GetDomain() = 0;
  virtual qo::String GetResource() = 0;
  virtual std::int32_t GetPort() = 0;
  virtual tagXMPPCONN_ENCRYPTION_TYPE GetEncryptType() = 0;
  virtual qo::String GetServer() = 0;
  virtual std::uint32_t GetTimeout() = 0;
  virtual std::int32_t IsSSLWarningIgnored() = 0;
  virtual std::int32_t IsPlainTextAllowed() = 0;
  virtual void SetDomain(qo::String domain) = 0;
  virtual void SetResource(qo::String resource) = 0;
  virtual void SetPort(std::int32_t port) = 0;
  virtual void SetServer(qo::String server) = 0;
  virtual void SetTimeout(std::uint32_t timeout) = 0;
  virtual void SetSLLWarningIgnored(std::int32_t ignored) = 0;
  virtual void SetPlainTextAllowed(std::int32_t allowed) = 0;
  virtual void SetEncryptionType(tagXMPPCONN_ENCRYPTION_TYPE type) = 0;
  ///@}
  /// 1 when the other object reports the same nine settings (domain, resource and server
  /// ignoring letter case; the numbers and flags exactly as stored), else 0. The other object
  /// is only read, through its interface; null gives 0.
  virtual std::int32_t Compare(IXMPPConnProperties* other) = 0;
  /// @name Web connection
  ///@{

  /// The setter stores the flag; the getter returns it.
  virtual std::int32_t IsWeb() = 0;
  virtual void SetWeb(std::int32_t web) = 0;
  ///@}
  /// The BOSH server is the server: these two act on the same setting as SetServer/GetServer.
  virtual void SetBoshServer(qo::String server) = 0;
  /// The server, as GetServer gives it.
  virtual qo::String GetBoshServer() = 0;

 protected:
  ~IXMPPConnProperties() = default;
};

QODATA_INTERFACE_CODE(IConnectionProperties, CONTAINER_CONNECTION_PROPERTIES);
QODATA_INTERFACE_CODE(IXMPPConnProperties, CONTAINER_XMPP_CONN_PROPERTIES);

/// The connection properties, offered for direct construction. Assignment copies every
/// setting (the holder count stays); a copy starts with one holder.
/// @implements IConnectionProperties
class QODATA_API CConnectionProperties
    : public qo::Container<CConnectionProperties, CONTAINER_CONNECTION_PROPERTIES,
                           IConnectionProperties> {
 public:
  /// Port 6301, 3 attempts, 3 retries, autoconfigure status 1, the default server host and
  /// everything else empty, false or 0.
  CConnectionProperties();
  /// A copy of every setting, with one holder of its own.
  CConnectionProperties(const CConnectionProperties& other);
  /// Copies every setting; the holder count stays.
  CConnectionProperties& operator=(const CConnectionProperties& other);
  /// The same as assignment; returns the target.
  CConnectionProperties& operator&(const CConnectionProperties& other);
  ~CConnectionProperties() override;

  qo::String getServerHost() override;
  std::int32_t getServerPort() override;
  std::int32_t getConnectAttempts() override;
  tagSERVER_TYPE getServerType() override;
  qo::String getProxyHost() override;
  std::int32_t getProxyPort() override;
  tagPROXY_TYPE getProxyType() override;
  qo::String getProxyUserName() override;
  qo::String getProxyPassword() override;
  bool useProxyAuthentication() override;
  bool useProxyConnection() override;
  qo::String getUrl() override;
  std::int32_t getRefresh() override;
  std::int32_t getTimeOut() override;
  std::int32_t getRetries() override;
  void setServerHost(qo::String host) override;
  void setServerPort(std::int32_t port) override;
  void setServerType(tagSERVER_TYPE type) override;
  void setConnectAttempts(std::int32_t attempts) override;
  void setProxyHost(qo::String host) override;
  void setProxyPort(std::int32_t port) override;
  void setProxyType(tagPROXY_TYPE type) override;
  void setProxyUserName(qo::String userName) override;
  void setProxyPassword(qo::String password) override;
  void setUseProxyAuthentication(bool use) override;
  void setUseProxyConnection(bool use) override;
  void setUrl(qo::String url) override;
  void setRefresh(std::int32_t refresh) override;
  void setTimeOut(std::int32_t timeOut) override;
  void setRetries(std::int32_t retries) override;
  void SetAutoconfigureStatus(std::int32_t status) override;
  std::int32_t GetAutoconfigureStatus() override;

 public:
  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    qo::String serverHost;
    std::int32_t serverPort = 6301;
    tagSERVER_TYPE serverType = static_cast<tagSERVER_TYPE>(0);
    std::int32_t connectAttempts = 3;
    qo::String proxyHost;
    std::int32_t proxyPort = 0;
    tagPROXY_TYPE proxyType = static_cast<tagPROXY_TYPE>(0);
    qo::String proxyUserName;
    qo::String proxyPassword;
    bool useProxyAuthentication = false;
    bool useProxyConnection = false;
    qo::String url;
    // Two values kept and copied for the connection code, reached by no operation.
    std::int32_t reservedValue1 = 30000;
    std::int32_t reservedValue2 = 10;
    std::int32_t retries = 3;
    std::int32_t autoconfigureStatus = 1;
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};

/// The XMPP connection properties, offered for direct construction. Assignment copies every
/// setting (the holder count stays), so a copy compares equal to its source.
/// @implements IXMPPConnProperties
class QODATA_API CXMPPConnProperties
    : public qo::Container<CXMPPConnProperties, CONTAINER_XMPP_CONN_PROPERTIES,
                           IXMPPConnProperties> {
 public:
  /// The default domain and server, resource "Home", port 5223, time-out 120000, encryption
  /// type 3, plain text allowed, SSL warnings not ignored, no web connection.
  CXMPPConnProperties();
  /// A copy of every setting, with one holder of its own.
  CXMPPConnProperties(const CXMPPConnProperties& other);
  /// Copies every setting; the holder count stays.
  CXMPPConnProperties& operator=(const CXMPPConnProperties& other);
  /// The same as assignment; returns the target.
  CXMPPConnProperties& operator&(const CXMPPConnProperties& other);
  ~CXMPPConnProperties() override;

  qo::String GetDomain() override;
  qo::String GetResource() override;
  std::int32_t GetPort() override;
  tagXMPPCONN_ENCRYPTION_TYPE GetEncryptType() override;
  qo::String GetServer() override;
  std::uint32_t GetTimeout() override;
  std::int32_t IsSSLWarningIgnored() override;
  std::int32_t IsPlainTextAllowed() override;
  void SetDomain(qo::String domain) override;
  void SetResource(qo::String resource) override;
  void SetPort(std::int32_t port) override;
  void SetServer(qo::String server) override;
  void SetTimeout(std::uint32_t timeout) override;
  void SetSLLWarningIgnored(std::int32_t ignored) override;
  void SetPlainTextAllowed(std::int32_t allowed) override;
  void SetEncryptionType(tagXMPPCONN_ENCRYPTION_TYPE type) override;
  std::int32_t Compare(IXMPPConnProperties* other) override;
  std::int32_t IsWeb() override;
  void SetWeb(std::int32_t web) override;
  void SetBoshServer(qo::String server) override;
  qo::String GetBoshServer() override;

 public:
  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    qo::String domain;
    qo::String resource;
    qo::String server;  // also the BOSH server: one address serves both connections
    std::uint32_t timeout = 120000;
    std::int32_t port = 5223;
    tagXMPPCONN_ENCRYPTION_TYPE encryptionType = static_cast<tagXMPPCONN_ENCRYPTION_TYPE>(3);
    std::int32_t sslWarningIgnored = 0;
    std::int32_t plainTextAllowed = 1;
    std::int32_t web = 0;
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};
