/// @file
/// The user profile: the container of one account's profile (type code 1), answering on three
/// interfaces with one holder count. It is a passive record: setters store copies and getters
/// return copies, except where an operation says otherwise:
/// - setQuilloID stores the identifier in its normal form (lower case, transport suffix cut off)
///   and derives the unified-account flag from it;
/// - the list getters and GetCustomStatus lend the profile's own list or table: the reference
///   stays valid, and changes through it change the profile, for as long as the profile lives;
/// - SetProfileRqst keeps a copy of the request and can apply its known keys to the fields; a
///   malformed "birthday" value throws qo::StatusError (E_FAIL for a field out of range,
///   E_INVALIDARG when the date cannot be converted to a calendar time);
/// - AddStatus keeps a copy of the record, at most four, evicting the lowest-numbered one.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

namespace qo {
class IndexEntry;
}  // namespace qo

/// Identity, contact data, presence, options, images and wallet (type code 1).
class IUserProfile : public IDataContainer {
 public:
  /// Stores the identifier in its normal form (lower case, transport suffix cut off) and
  /// sets the unified-account flag from it.
  virtual void setQuilloID(qo::String quilloId) = 0;
  /// @name Plain values
  ///@{

  /// Each setter stores copies of its values; each getter returns a copy.
  virtual void setPassword(qo::String password) = 0;
  virtual void setOldPassword(qo::String oldPassword) = 0;
  virtual void setName(qo::String firstName, qo::String lastName) = 0;
  virtual void setEmail(qo::String email) = 0;
  virtual void setAddressInfo(qo::String street, qo::String city, qo::String state,
                              qo::String country) = 0;
  virtual void setContactInfo(qo::String telephone, qo::String fax) = 0;
  /// Stores nothing: the profile text reaches a profile only by assignment.
  virtual void setProfile(qo::String profile) = 0;
  virtual void setProvider(qo::String provider) = 0;
  virtual void setAge(std::int32_t age) = 0;
  virtual void setGender(tagGENDER gender) = 0;
  virtual void enableMessageStore(bool enable) = 0;
  virtual void enableSMSForwarding(bool enable) = 0;
  virtual void enableEmailForwarding(bool enable) = 0;
  /// Stores whether searchable is non-zero.
  virtual void setSearchable(std::int32_t searchable) = 0;
  virtual void setTheme(qo::String theme) = 0;
  virtual void setIdleTime(std::int32_t idleTime) = 0;
  /// The identifier in its normal form.
  virtual qo::String getQuilloID() = 0;
  virtual qo::String getPassword() = 0;
  virtual qo::String getOldPassword() = 0;
  virtual qo::String getLastName() = 0;
  virtual qo::String getFirstName() = 0;
  virtual qo::String getEmail() = 0;
  virtual qo::String getStreetAddress() = 0;
  virtual qo::String getCityAddress() = 0;
  virtual qo::String getStateAddress() = 0;
  virtual qo::String getCountryAddress() = 0;
  virtual qo::String getFax() = 0;
  virtual qo::String getTelephone() = 0;
  virtual qo::String getProfile() = 0;
  virtual qo::String getProvider() = 0;
  virtual qo::String getTheme() = 0;
  virtual std::int32_t getIdleTime() = 0;
  virtual tagMOOD getMood() = 0;
  virtual tagGENDER getGender() = 0;
  virtual tagSTATUS getStatus() = 0;
  virtual std::int32_t getAge() = 0;
  virtual bool isMessageStoreEnabled() = 0;
  virtual bool isSMSForwardingEnabled() = 0;
  virtual bool isSeachable() = 0;
  virtual bool isEmailForwarding() = 0;
  virtual void setMood(tagMOOD mood) = 0;
  virtual void setStatus(tagSTATUS status) = 0;
  /// Whether the identifier that setQuilloID stored names a unified account.
  virtual bool isUnifiedAccount() = 0;
  virtual void setProfileImage(qo::String profileImage) = 0;
  virtual void setStatusMessage(qo::String statusMessage) = 0;
  virtual void setAvatarFileKey(qo::String avatarFileKey) = 0;
  virtual qo::String getProfileImage() = 0;
  virtual qo::String getStatusMessage() = 0;
  virtual qo::String getAvatarFileKey() = 0;
  virtual void SetBigImage(qo::String bigImage) = 0;
  virtual void SetSmallImage(qo::String smallImage) = 0;
  virtual qo::String GetBigImage() = 0;
  virtual qo::String GetSmallImage() = 0;
  virtual void SetWalletId(qo::String walletId) = 0;
  virtual void SetWalletPassword(qo::String walletPassword) = 0;
  virtual void SetWalletBalance(double balance) = 0;
  virtual void SetWalletCurrency(qo::String currency) = 0;
  virtual qo::String GetWalletId() = 0;
  virtual qo::String GetWalletPassword() = 0;
  virtual double GetWalletBalance() = 0;
  virtual qo::String GetWalletCurrency() = 0;
  ///@}

 protected:
  ~IUserProfile() = default;
};

/// Avatar URL, birthdate, the three lists, e-mail options, settings bits, the profile request
/// and the saved custom statuses (type code 26).
class IUserProfile_01 : public IDataContainer {
 public:
  /// @name Plain values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual void setAvatarUrl(qo::String avatarUrl) = 0;
  virtual qo::String getAvatarUrl() = 0;
  virtual qo::Time getBirthdate() = 0;
  virtual void setBirthdate(qo::Time birthdate) = 0;
  ///@}
  /// The profile's own list, lent for the profile's life.
  virtual qo::StringList& getAddressList() = 0;
  /// Replaces the list's contents with copies of the given entries; keeps no reference.
  virtual void setAddressList(const qo::StringList& addresses) = 0;
  /// The profile's own list, lent for the profile's life.
  virtual qo::StringList& getTelephoneList() = 0;
  /// Replaces the list's contents with copies of the given entries; keeps no reference.
  virtual void setTelephoneList(const qo::StringList& telephones) = 0;
  /// The profile's own list, lent for the profile's life.
  virtual qo::StringList& getEmailList() = 0;
  /// Replaces the list's contents with copies of the given entries; keeps no reference.
  virtual void setEmailList(const qo::StringList& emails) = 0;
  /// @name Flags and settings
  ///@{

  /// Each setter stores its value; each getter returns it.
  virtual void setEmailVerified(std::int32_t verified) = 0;
  virtual std::int32_t isEmailVerified() = 0;
  virtual std::uint32_t getSettings() = 0;
  virtual void setSettings(std::uint32_t settings) = 0;
  ///@}
  /// Keeps a copy of a non-empty request (an empty one changes nothing) and, when apply is
  /// non-zero, applies its known keys. Throws qo::StatusError for a malformed "birthday".
  virtual void SetProfileRqst(qo::StringMap& request, std::int32_t apply) = 0;
  /// Stores every kept entry into out, overwriting equal keys; out is not emptied first.
  virtual void GetProfileRqst(qo::StringMap& out) = 0;
  /// A copy of the global identifier, which only the request key "GLOBAL_ID" sets.
  virtual qo::String GetGlobalID() = 0;
  /// @name E-mail updates
  ///@{

  /// The setter stores the flag; the getter returns it.
  virtual void setEmailUpdates(bool emailUpdates) = 0;
  virtual bool isEmailUpdates() = 0;
  ///@}
  /// 1 when the profile is searchable, else 0.
  virtual std::int32_t isSearchable() = 0;
  /// Keeps a copy of the record under the low 16 bits of its number (at most four records).
  virtual void AddStatus(const eSAVED_STATUS& status) = 0;
  /// The profile's own table, lent for the profile's life.
  virtual qo::SavedStatusTable& GetCustomStatus() = 0;
  /// @name Last status and settings
  ///@{

  /// Each setter stores its value; each getter returns it.
  virtual void SetLastStatus(tagSTATUS status) = 0;
  virtual tagSTATUS GetLastStatus() = 0;
  virtual void setJsonUserSettings(std::uint32_t settings) = 0;
  virtual std::uint32_t getJsonUserSettings() = 0;
  ///@}

 protected:
  ~IUserProfile_01() = default;
};

/// The wallet user key (type code 31).
class IUserProfile_02 : public IDataContainer {
 public:
  /// @name Wallet user key
  ///@{

  /// The setter stores a copy; the getter returns a copy.
  virtual void setWalletUserKey(qo::String walletUserKey) = 0;
  virtual qo::String getWalletUserKey() = 0;
  ///@}

 protected:
  ~IUserProfile_02() = default;
};

QODATA_INTERFACE_CODE(IUserProfile, CONTAINER_USER_PROFILE);
QODATA_INTERFACE_CODE(IUserProfile_01, CONTAINER_USER_PROFILE_01);
QODATA_INTERFACE_CODE(IUserProfile_02, CONTAINER_USER_PROFILE_02);

/// The user profile, offered for direct construction (lists of profiles hold it by value).
/// A copy or an assignment target has one holder; assignment appends the source's three lists
/// to the target's (only the profile request is emptied first).
/// @implements IUserProfile
/// @implements IUserProfile_01
/// @implements IUserProfile_02
class QODATA_API CUserProfile
    : public qo::Container<CUserProfile, CONTAINER_USER_PROFILE, IUserProfile, IUserProfile_01,
                           IUserProfile_02> {
 public:
  CUserProfile();
  /// A default profile with other assigned to it, with one holder of its own.
  CUserProfile(const CUserProfile& other);
  /// Copies other's fields as the class describes and leaves this profile one holder;
  /// assigning a profile to itself changes nothing.
  CUserProfile& operator=(const CUserProfile& other);
  /// The same as assignment; returns the target.
  CUserProfile& operator&(const CUserProfile& other);
  ~CUserProfile() override;

  /// The profile text, as getProfile returns it.
  qo::String toString() const;

  // IUserProfile
  void setQuilloID(qo::String quilloId) override;
  void setPassword(qo::String password) override;
  void setOldPassword(qo::String oldPassword) override;
  void setName(qo::String firstName, qo::String lastName) override;
  void setEmail(qo::String email) override;
  void setAddressInfo(qo::String street, qo::String city, qo::String state,
                      qo::String country) override;
  void setContactInfo(qo::String telephone, qo::String fax) override;
  void setProfile(qo::String profile) override;
  void setProvider(qo::String provider) override;
  void setAge(std::int32_t age) override;
  void setGender(tagGENDER gender) override;
  void enableMessageStore(bool enable) override;
  void enableSMSForwarding(bool enable) override;
  void enableEmailForwarding(bool enable) override;
  void setSearchable(std::int32_t searchable) override;
  void setTheme(qo::String theme) override;
  void setIdleTime(std::int32_t idleTime) override;
  qo::String getQuilloID() override;
  qo::String getPassword() override;
  qo::String getOldPassword() override;
  qo::String getLastName() override;
  qo::String getFirstName() override;
  qo::String getEmail() override;
  qo::String getStreetAddress() override;
  qo::String getCityAddress() override;
  qo::String getStateAddress() override;
  qo::String getCountryAddress() override;
  qo::String getFax() override;
  qo::String getTelephone() override;
  qo::String getProfile() override;
  qo::String getProvider() override;
  qo::String getTheme() override;
  std::int32_t getIdleTime() override;
  tagMOOD getMood() override;
  tagGENDER getGender() override;
  tagSTATUS getStatus() override;
  std::int32_t getAge() override;
  bool isMessageStoreEnabled() override;
  bool isSMSForwardingEnabled() override;
  bool isSeachable() override;
  bool isEmailForwarding() override;
  void setMood(tagMOOD mood) override;
  void setStatus(tagSTATUS status) override;
  bool isUnifiedAccount() override;
  void setProfileImage(qo::String profileImage) override;
  void setStatusMessage(qo::String statusMessage) override;
  void setAvatarFileKey(qo::String avatarFileKey) override;
  qo::String getProfileImage() override;
  qo::String getStatusMessage() override;
  qo::String getAvatarFileKey() override;
  void SetBigImage(qo::String bigImage) override;
  void SetSmallImage(qo::String smallImage) override;
  qo::String GetBigImage() override;
  qo::String GetSmallImage() override;
  void SetWalletId(qo::String walletId) override;
  void SetWalletPassword(qo::String walletPassword) override;
  void SetWalletBalance(double balance) override;
  void SetWalletCurrency(qo::String currency) override;
  qo::String GetWalletId() override;
  qo::String GetWalletPassword() override;
  double GetWalletBalance() override;
  qo::String GetWalletCurrency() override;

  // IUserProfile_01
  void setAvatarUrl(qo::String avatarUrl) override;
  qo::String getAvatarUrl() override;
  qo::Time getBirthdate() override;
  void setBirthdate(qo::Time birthdate) override;
  qo::StringList& getAddressList() override;
  void setAddressList(const qo::StringList& addresses) override;
  qo::StringList& getTelephoneList() override;
  void setTelephoneList(const qo::StringList& telephones) override;
  qo::StringList& getEmailList() override;
  void setEmailList(const qo::StringList& emails) override;
  void setEmailVerified(std::int32_t verified) override;
  std::int32_t isEmailVerified() override;
  std::uint32_t getSettings() override;
  void setSettings(std::uint32_t settings) override;
  void SetProfileRqst(qo::StringMap& request, std::int32_t apply) override;
  void GetProfileRqst(qo::StringMap& out) override;
  qo::String GetGlobalID() override;
  void setEmailUpdates(bool emailUpdates) override;
  bool isEmailUpdates() override;
  std::int32_t isSearchable() override;
  void AddStatus(const eSAVED_STATUS& status) override;
  qo::SavedStatusTable& GetCustomStatus() override;
  void SetLastStatus(tagSTATUS status) override;
  tagSTATUS GetLastStatus() override;
  void setJsonUserSettings(std::uint32_t settings) override;
  std::uint32_t getJsonUserSettings() override;

  // IUserProfile_02
  void setWalletUserKey(qo::String walletUserKey) override;
  qo::String getWalletUserKey() override;

  /// The user-profile fields that a buddy's assignment carries as well (CBuddyProfile).
  struct SharedFields {
    qo::String quilloId;       ///< The Quillo ID; normal form, written only by setQuilloID.
    qo::String password;       ///< The password.
    qo::String lastName;       ///< The last name.
    qo::String firstName;      ///< The first name.
    qo::String email;          ///< The e-mail address.
    qo::String streetAddress;  ///< The street address.
    qo::String city;           ///< The city.
    qo::String state;          ///< The state.
    qo::String country;        ///< The country.
    qo::String telephone;      ///< The telephone number.
    qo::String fax;            ///< The fax number.
    qo::String profile;        ///< The profile text; filled only by assignment.
    qo::String provider;       ///< The provider.
    qo::String profileImage;   ///< The profile image.
    qo::String statusMessage;  ///< The status message.
    qo::String avatarFileKey;  ///< The avatar file key.
    qo::String bigImage;       ///< The big image.
    qo::String smallImage;     ///< The small image.
    qo::String avatarUrl;      ///< The avatar URL.
    std::int32_t age = 0;      ///< The age.
    tagGENDER gender = static_cast<tagGENDER>(2);   ///< The gender.
    tagMOOD mood = static_cast<tagMOOD>(0);         ///< The mood.
    tagSTATUS status = static_cast<tagSTATUS>(-1);  ///< The status.
    bool messageStoreEnabled = false;               ///< Whether the message store is enabled.
    bool smsForwardingEnabled = false;              ///< Whether SMS forwarding is enabled.
    bool searchable = false;                        ///< Whether the profile is listed in searches.
    bool emailForwarding = false;                   ///< Whether e-mail forwarding is on.
    bool unifiedAccount =
        false;  ///< Whether the identifier is a unified account; written only by setQuilloID.
    /// Member by member.
    bool operator==(const SharedFields& other) const;
  };

  /// Everything a copy of the profile carries (all but the holder count).
  struct Fields {
    SharedFields shared;           ///< The fields a buddy copy carries as well.
    qo::String oldPassword;        ///< The old password.
    qo::String globalId;           ///< The global ID; written only by the request key "GLOBAL_ID".
    qo::Time birthdate = 0;        ///< The birthdate.
    qo::String walletUserKey;      ///< The wallet user key.
    qo::StringList addressList;    ///< Further postal addresses.
    qo::StringList telephoneList;  ///< Further telephone numbers.
    qo::StringList emailList;      ///< Further e-mail addresses.
    bool emailUpdates = false;     ///< Whether e-mail updates are on.
    std::int32_t idleTime = 0;     ///< The idle time; our choice of starting value: not idle.
    qo::String theme;              ///< The theme.
    std::int32_t emailVerified = 0;      ///< Whether the e-mail address is verified.
    std::uint32_t settings = 0;          ///< The settings bits.
    qo::StringMap profileRequest;        ///< The last profile request kept.
    qo::SavedStatusTable savedStatuses;  ///< The saved custom statuses.
    tagSTATUS lastStatus =
        static_cast<tagSTATUS>(0);       ///< The last status; our choice of starting value.
    std::uint32_t jsonUserSettings = 0;  ///< The JSON user settings.
    qo::String walletId;                 ///< The wallet ID.
    qo::String walletPassword;           ///< The wallet password.
    double walletBalance =
        0.0;  ///< The wallet balance; our choice of starting value: an empty wallet.
    qo::String walletCurrency;  ///< The wallet currency.
    /// Member by member.
    bool operator==(const Fields& other) const;
  };

  /// The profile's data, read-only.
  const Fields& fields() const { return fields_; }

 protected:
  /// A default profile but for a copy of `shared`: what the buddy profile's copy starts from.
  explicit CUserProfile(const SharedFields& shared);

  // Protected so that the buddy profile, built on this class, reaches the shared part.
  Fields fields_;
  /// Tells the buddy-list index that files this profile, if any, that the e-mail address, the
  /// domain code or the BLII may have changed.
  void IndexedFieldChanged() noexcept;

 private:
  friend class qo::IndexEntry;
  // The entry of the buddy-list index that files this profile (contacts/buddy_index.h), or
  // null. Never copied: a copy is in no index.
  qo::IndexEntry* indexEntry_ = nullptr;

  /// The normal form of an identifier: lower case, cut at the first transport suffix in the
  /// suffixes' fixed order. Reads no field.
  static qo::String TransformQuilloId(qo::String quilloId);
};
