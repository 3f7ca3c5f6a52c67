// The buddy profile's construction, assignment and plain fields. The operations that answer by
// presence, resources and domain code are in buddy_presence.cpp.
#include "qodata/buddy_profile.h"

#include <memory>
#include <type_traits>
#include <utility>

#include "contacts/buddy_index.h"

CBuddyProfile::CBuddyProfile() = default;

// What assigning the source to a default buddy gives (a copy carries what assignment carries
// and nothing else), built in place in one step, as every list store, getList and Clone makes
// one: the carried fields are copy-constructed (assigning them into empty texts would size the
// texts by the strings' growth rule, which costs the allocator more).
CBuddyProfile::CBuddyProfile(const CBuddyProfile& other)
    : ExtendedContainer(other.fields_.shared), buddy_(other.buddy_) {}

CBuddyProfile::~CBuddyProfile() = default;

bool CBuddyProfile::BuddyFields::operator==(const BuddyFields&) const = default;
static_assert(std::is_nothrow_move_assignable_v<CBuddyProfile::BuddyFields>);

namespace {

// Puts copies of `front` before the entries of `list`, in order.
void Prepend(qo::StringList& list, const qo::StringList& front) {
  list.insert(list.begin(), front.begin(), front.end());
}

}  // namespace

// Copies the user profile's shared fields and the buddy's own; CUserProfile's assignment is
// not called, as it would reset the holder count and copy data a buddy copy must not carry.
CBuddyProfile& CBuddyProfile::operator=(const CBuddyProfile& other) {
  if (this == &other) return *this;
  // Built aside, then moved in without a throw: a failed copy changes nothing.
  SharedFields shared = other.fields_.shared;
  BuddyFields buddy = other.buddy_;
  // The source's group and resource entries go after this buddy's.
  Prepend(buddy.groupList, buddy_.groupList);
  Prepend(buddy.resourceList, buddy_.resourceList);
  fields_.shared = std::move(shared);
  buddy_ = std::move(buddy);
  IndexedFieldChanged();
  return *this;
}

CBuddyProfile& CBuddyProfile::operator&(const CBuddyProfile& other) { return *this = other; }

IBuddyProfile* CBuddyProfile::Copy() { return new CBuddyProfile(*this); }

IDataContainer* CBuddyProfile::Clone() { return static_cast<IBuddyProfile*>(Copy()); }

// --- IBuddyProfile_01: plain fields and the user-profile part's lists ----------------------

void CBuddyProfile::SetToogleFlags(std::uint32_t flags) { buddy_.toggleFlags = flags; }
std::uint32_t CBuddyProfile::GetToogleFlags() { return buddy_.toggleFlags; }
qo::String CBuddyProfile::getAddBuddyRequester() { return buddy_.addBuddyRequester; }
qo::StringList& CBuddyProfile::getGroupList() { return buddy_.groupList; }
// Copied first and swapped in: assigning over the old entries one by one could fail half-way.
void CBuddyProfile::setGroupList(const qo::StringList& groups) {
  qo::StringList copy(groups);
  buddy_.groupList.swap(copy);
}
qo::Time CBuddyProfile::getBirthdate() { return CUserProfile::getBirthdate(); }
qo::StringList& CBuddyProfile::getAddressList() { return CUserProfile::getAddressList(); }
qo::StringList& CBuddyProfile::getTelephoneList() { return CUserProfile::getTelephoneList(); }
qo::StringList& CBuddyProfile::getEmailList() { return CUserProfile::getEmailList(); }
qo::StringList& CBuddyProfile::GetResourceList() { return buddy_.resourceList; }

// --- IBuddyProfile: plain fields -------------------------------------------------------------

void CBuddyProfile::setScreenName(qo::String screenName) {
  buddy_.screenName = std::move(screenName);
}
void CBuddyProfile::setFavoriteBuddy(bool favorite) { buddy_.favorite = favorite; }
void CBuddyProfile::setAcceptStatus(std::int32_t acceptStatus) {
  buddy_.acceptStatus = acceptStatus;
}
void CBuddyProfile::setBLII(std::int32_t blii) {
  buddy_.blii = blii;
  IndexedFieldChanged();
}
void CBuddyProfile::setQuickCode(qo::String quickCode) { buddy_.quickCode = std::move(quickCode); }
void CBuddyProfile::setLogonStatus(tagLOGON_STATUS logonStatus) {
  buddy_.logonStatus = logonStatus;
}
void CBuddyProfile::setAccepted(bool accepted) { buddy_.accepted = accepted; }
void CBuddyProfile::setAddBuddyRequester(qo::String requester) {
  buddy_.addBuddyRequester = std::move(requester);
}
// The domain code decides getBlii, which the buddy list indexes.
void CBuddyProfile::setDomain(std::int32_t domain) {
  buddy_.domain = domain;
  IndexedFieldChanged();
}
void CBuddyProfile::SetGroupName(qo::String groupName) { buddy_.groupName = std::move(groupName); }
qo::String CBuddyProfile::getQuickCode() { return buddy_.quickCode; }
qo::String CBuddyProfile::GetGroupName() { return buddy_.groupName; }
bool CBuddyProfile::isFavoriteBuddy() { return buddy_.favorite; }
std::int32_t CBuddyProfile::getAcceptStatus() { return buddy_.acceptStatus; }
std::int32_t CBuddyProfile::getDomain() { return buddy_.domain; }
tagLOGON_STATUS CBuddyProfile::getLogonStatus() { return buddy_.logonStatus; }
bool CBuddyProfile::IsAccepted() { return buddy_.accepted; }
void CBuddyProfile::SetPSMSRate(double rate) { buddy_.psmsRate = rate; }
void CBuddyProfile::SetPSMSCurrency(qo::String currency) {
  buddy_.psmsCurrency = std::move(currency);
}
double CBuddyProfile::GetPSMSRate() { return buddy_.psmsRate; }
qo::String CBuddyProfile::GetPSMSCurrency() { return buddy_.psmsCurrency; }

// --- IBuddyProfile: the user-profile getters, answered by the user-profile part ------------

qo::String CBuddyProfile::getLastName() { return CUserProfile::getLastName(); }
qo::String CBuddyProfile::getFirstName() { return CUserProfile::getFirstName(); }
qo::String CBuddyProfile::getEmail() { return CUserProfile::getEmail(); }
qo::String CBuddyProfile::getStreetAddress() { return CUserProfile::getStreetAddress(); }
qo::String CBuddyProfile::getCityAddress() { return CUserProfile::getCityAddress(); }
qo::String CBuddyProfile::getStateAddress() { return CUserProfile::getStateAddress(); }
qo::String CBuddyProfile::getCountryAddress() { return CUserProfile::getCountryAddress(); }
qo::String CBuddyProfile::getFax() { return CUserProfile::getFax(); }
qo::String CBuddyProfile::getTelephone() { return CUserProfile::getTelephone(); }
qo::String CBuddyProfile::getProfile() { return CUserProfile::getProfile(); }
qo::String CBuddyProfile::getProvider() { return CUserProfile::getProvider(); }
bool CBuddyProfile::isMessageStoreEnabled() { return CUserProfile::isMessageStoreEnabled(); }
bool CBuddyProfile::isSMSForwardingEnabled() { return CUserProfile::isSMSForwardingEnabled(); }
bool CBuddyProfile::isSeachable() { return CUserProfile::isSeachable(); }
tagMOOD CBuddyProfile::getMood() { return CUserProfile::getMood(); }
tagGENDER CBuddyProfile::getGender() { return CUserProfile::getGender(); }
tagSTATUS CBuddyProfile::getStatus() { return CUserProfile::getStatus(); }
std::int32_t CBuddyProfile::getAge() { return CUserProfile::getAge(); }
bool CBuddyProfile::isEmailForwarding() { return CUserProfile::isEmailForwarding(); }
qo::String CBuddyProfile::getProfileImage() { return CUserProfile::getProfileImage(); }
qo::String CBuddyProfile::getStatusMessage() { return CUserProfile::getStatusMessage(); }
qo::String CBuddyProfile::getAvatarFileKey() { return CUserProfile::getAvatarFileKey(); }
qo::String CBuddyProfile::GetBigImage() { return CUserProfile::GetBigImage(); }
qo::String CBuddyProfile::GetSmallImage() { return CUserProfile::GetSmallImage(); }
