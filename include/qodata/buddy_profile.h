/// @file
/// The buddy profile: one person of the signed-in user's buddy list (type code 2). It is a user
/// profile with the buddy's own data added, answering on five interfaces (IBuddyProfile_01,
/// IBuddyProfile and the three of the user profile) with one holder count.
///
/// Ownership:
/// - Clone (on any interface) and Copy hand out a new buddy with one holder, owned by the caller,
///   as its IBuddyProfile pointer. They carry the buddy's identity, names, contact data, the
///   buddy fields and the group and resource lists; the rest of the user-profile data (lists,
///   request, saved statuses, wallet, birthdate, ...) and the presence start fresh in the copy.
/// - getGroupList, GetResourceList and the user-profile list getters lend the buddy's own
///   lists: the reference stays valid, and changes through it change the buddy, for as long as
///   the buddy lives. The list setters copy the entries they are given and keep no reference.
///
/// Behaviour beyond storing fields:
/// - SetPresence accepts an update whose priority is not below the last accepted one and then
///   sets the buddy's status and status message.
/// - AddResource, RemoveResource and SetResourceList treat names equal ignoring letter case as
///   one resource.
/// - getQuilloID, GetRealQuilloId, getBlii, getScreenName and isUnifiedAccount answer by the
///   buddy's domain code (2 Yahoo, 3 MSN, 4 Google, 5 AOL, 6 ICQ are transport networks):
///   getQuilloID puts the network's transport suffix back on the stored identifier, and it and
///   isUnifiedAccount give the same answer through the user-profile interfaces.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"
#include "qodata/user_profile.h"

/// Toggle flags, the identifier on the buddy's own network, the group and resource lists and
/// the presence (type code 28).
class IBuddyProfile_01 : public IDataContainer {
 public:
  /// @name Toggle flags
  ///@{

  /// The setter stores the 32 flags; the getter returns them.
  virtual void SetToogleFlags(std::uint32_t flags) = 0;
  virtual std::uint32_t GetToogleFlags() = 0;
  ///@}
  /// The stored identifier, cut at its first "@" for the Yahoo, Google and AOL networks.
  virtual qo::String GetRealQuilloId() = 0;
  /// 1 when toggle bit `bit` is set (1 is the lowest bit, 32 the highest), else 0; 0 for a
  /// bit number outside 1 to 32.
  virtual std::uint8_t GetToogleStatus(std::int32_t bit) = 0;
  /// A copy of the requester that setAddBuddyRequester stored.
  virtual qo::String getAddBuddyRequester() = 0;
  /// The buddy's own group list, lent for the buddy's life.
  virtual qo::StringList& getGroupList() = 0;
  /// Replaces the group list's contents with copies of the given entries.
  virtual void setGroupList(const qo::StringList& groups) = 0;
  /// The user-profile birthdate.
  virtual qo::Time getBirthdate() = 0;
  /// @name User-profile lists
  ///@{

  /// The buddy's own list of the user profile, lent for the buddy's life.
  virtual qo::StringList& getAddressList() = 0;
  virtual qo::StringList& getTelephoneList() = 0;
  virtual qo::StringList& getEmailList() = 0;
  ///@}
  /// The buddy's own resource list, lent for the buddy's life.
  virtual qo::StringList& GetResourceList() = 0;
  /// Adds every given name that is not there yet (ignoring letter case); removes nothing.
  virtual void SetResourceList(const qo::StringList& resources) = 0;
  /// Appends the name unless an entry equal to it ignoring letter case is there.
  virtual void AddResource(qo::String resource) = 0;
  /// Removes every entry equal to the name ignoring letter case.
  virtual void RemoveResource(qo::String resource) = 0;
  /// Ignored when its priority is below the last accepted one (-1 at the start).
  virtual void SetPresence(_PRESENCE presence) = 0;

 protected:
  ~IBuddyProfile_01() = default;
};

/// The buddy's own fields and the user-profile getters a buddy is usually read by (type code 2).
class IBuddyProfile : public IDataContainer {
 public:
  /// @name Buddy values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual void setScreenName(qo::String screenName) = 0;
  virtual void setFavoriteBuddy(bool favorite) = 0;
  virtual void setAcceptStatus(std::int32_t acceptStatus) = 0;
  virtual void setBLII(std::int32_t blii) = 0;
  virtual void setQuickCode(qo::String quickCode) = 0;
  virtual void setLogonStatus(tagLOGON_STATUS logonStatus) = 0;
  virtual void setAccepted(bool accepted) = 0;
  virtual void setAddBuddyRequester(qo::String requester) = 0;
  virtual void setDomain(std::int32_t domain) = 0;
  virtual void SetGroupName(qo::String groupName) = 0;
  /// Empty for a domain code outside 0 to 7.
  virtual qo::String getScreenName() = 0;
  virtual qo::String getQuickCode() = 0;
  virtual qo::String GetGroupName() = 0;
  virtual bool isFavoriteBuddy() = 0;
  virtual std::int32_t getAcceptStatus() = 0;
  /// -1 for a buddy on a transport network (domain codes 2 to 6).
  virtual std::int32_t getBlii() = 0;
  virtual std::int32_t getDomain() = 0;
  virtual tagLOGON_STATUS getLogonStatus() = 0;
  ///@}
  /// A new buddy (one holder, the caller's), as Clone makes it.
  virtual IBuddyProfile* Copy() = 0;
  /// The stored identifier, with the transport suffix of the buddy's network appended.
  virtual qo::String getQuilloID() = 0;
  /// @name User-profile values
  ///@{

  /// A copy of the user-profile value, the same answer the user-profile interface gives.
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
  virtual bool isMessageStoreEnabled() = 0;
  virtual bool isSMSForwardingEnabled() = 0;
  virtual bool isSeachable() = 0;
  virtual tagMOOD getMood() = 0;
  virtual tagGENDER getGender() = 0;
  virtual tagSTATUS getStatus() = 0;
  virtual std::int32_t getAge() = 0;
  virtual bool isEmailForwarding() = 0;
  /// False for every domain code but 0.
  virtual bool isUnifiedAccount() = 0;
  virtual qo::String getProfileImage() = 0;
  virtual qo::String getStatusMessage() = 0;
  virtual qo::String getAvatarFileKey() = 0;
  virtual qo::String GetBigImage() = 0;
  virtual qo::String GetSmallImage() = 0;
  ///@}
  /// @name Acceptance and premium-message rate
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual bool IsAccepted() = 0;
  virtual void SetPSMSRate(double rate) = 0;
  virtual void SetPSMSCurrency(qo::String currency) = 0;
  virtual double GetPSMSRate() = 0;
  virtual qo::String GetPSMSCurrency() = 0;
  ///@}

 protected:
  ~IBuddyProfile() = default;
};

QODATA_INTERFACE_CODE(IBuddyProfile_01, CONTAINER_BUDDY_PROFILE_01);
QODATA_INTERFACE_CODE(IBuddyProfile, CONTAINER_BUDDY_PROFILE);

/// The buddy profile, offered for direct construction. A copy construction starts with one
/// holder; assignment copies the buddy's data (see above) and leaves the target's holder count,
/// its presence and the user-profile data that a copy does not carry as they were.
/// @implements IBuddyProfile_01
/// @implements IBuddyProfile
/// @implements CUserProfile
class QODATA_API CBuddyProfile
    : public qo::ExtendedContainer<CBuddyProfile, CUserProfile, CONTAINER_BUDDY_PROFILE,
                                   IBuddyProfile_01, IBuddyProfile> {
 public:
  CBuddyProfile();
  /// A new buddy with what a copy carries of other (see above), with one holder of its own.
  CBuddyProfile(const CBuddyProfile& other);
  /// Appends the source's group and resource entries after the target's; self-assignment
  /// changes nothing.
  CBuddyProfile& operator=(const CBuddyProfile& other);
  /// The same as assignment; returns the target.
  CBuddyProfile& operator&(const CBuddyProfile& other);
  ~CBuddyProfile() override;

  /// A new buddy as Copy makes it, handed out as its IBuddyProfile interface.
  IDataContainer* Clone() override;

  // IBuddyProfile_01
  void SetToogleFlags(std::uint32_t flags) override;
  std::uint32_t GetToogleFlags() override;
  qo::String GetRealQuilloId() override;
  std::uint8_t GetToogleStatus(std::int32_t bit) override;
  qo::String getAddBuddyRequester() override;
  qo::StringList& getGroupList() override;
  void setGroupList(const qo::StringList& groups) override;
  qo::Time getBirthdate() override;
  qo::StringList& getAddressList() override;
  qo::StringList& getTelephoneList() override;
  qo::StringList& getEmailList() override;
  qo::StringList& GetResourceList() override;
  void SetResourceList(const qo::StringList& resources) override;
  void AddResource(qo::String resource) override;
  void RemoveResource(qo::String resource) override;
  void SetPresence(_PRESENCE presence) override;

  // IBuddyProfile
  void setScreenName(qo::String screenName) override;
  void setFavoriteBuddy(bool favorite) override;
  void setAcceptStatus(std::int32_t acceptStatus) override;
  void setBLII(std::int32_t blii) override;
  void setQuickCode(qo::String quickCode) override;
  void setLogonStatus(tagLOGON_STATUS logonStatus) override;
  void setAccepted(bool accepted) override;
  void setAddBuddyRequester(qo::String requester) override;
  void setDomain(std::int32_t domain) override;
  void SetGroupName(qo::String groupName) override;
  qo::String getScreenName() override;
  qo::String getQuickCode() override;
  qo::String GetGroupName() override;
  bool isFavoriteBuddy() override;
  std::int32_t getAcceptStatus() override;
  std::int32_t getBlii() override;
  std::int32_t getDomain() override;
  tagLOGON_STATUS getLogonStatus() override;
  IBuddyProfile* Copy() override;
  // These override the user-profile operations of the same name as well, so that every
  // interface of the buddy gives one answer.
  qo::String getQuilloID() override;
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
  bool isMessageStoreEnabled() override;
  bool isSMSForwardingEnabled() override;
  bool isSeachable() override;
  tagMOOD getMood() override;
  tagGENDER getGender() override;
  tagSTATUS getStatus() override;
  std::int32_t getAge() override;
  bool isEmailForwarding() override;
  bool isUnifiedAccount() override;
  qo::String getProfileImage() override;
  qo::String getStatusMessage() override;
  qo::String getAvatarFileKey() override;
  qo::String GetBigImage() override;
  qo::String GetSmallImage() override;
  bool IsAccepted() override;
  void SetPSMSRate(double rate) override;
  void SetPSMSCurrency(qo::String currency) override;
  double GetPSMSRate() override;
  qo::String GetPSMSCurrency() override;

  /// The buddy's own fields that a copy carries (with the user profile's SharedFields).
  struct BuddyFields {
    qo::String screenName;         ///< The screen name.
    qo::String quickCode;          ///< The quick code.
    qo::String addBuddyRequester;  ///< The requester of a pending add-buddy request.
    qo::String groupName;          ///< The group name.
    bool favorite = false;  ///< Whether the buddy is a favourite; our choice of starting value.
    bool accepted = false;  ///< Whether the buddy was accepted; our choice of starting value.
    std::int32_t blii = 0;  ///< The BLII number; our choice of starting value: no BLII number yet.
    std::int32_t acceptStatus = 0;  ///< The accept status; our choice of starting value.
    std::int32_t domain = 0;        ///< The domain code (the network).
    std::uint32_t toggleFlags = 0;  ///< The toggle flags.
    tagLOGON_STATUS logonStatus =
        static_cast<tagLOGON_STATUS>(0);  ///< The logon status; our choice of start.
    qo::StringList groupList;             ///< The group list.
    qo::StringList resourceList;  ///< The connected resources; no two entries equal ignoring case
                                  ///< when filled by AddResource.
    double psmsRate = 0.0;        ///< The PSMS rate; our choice of starting value.
    qo::String psmsCurrency;      ///< The PSMS currency.
    /// Member by member.
    bool operator==(const BuddyFields& other) const;
  };

  /// The buddy's own data, read-only.
  const BuddyFields& buddyFields() const { return buddy_; }

 private:
  BuddyFields buddy_;
  // The last accepted presence; never copied.
  tagSTATUS presenceStatus_ = static_cast<tagSTATUS>(-1);  // our choice: as the profile status
  qo::String presenceSource_;
  std::int32_t presencePriority_ = -1;
  qo::String presenceStatusMessage_;
};
