// The buddy profile's construction, assignment and plain fields. The operations that answer by
// presence, resources and domain code are in buddy_presence.cpp.
#include "qodata/buddy_profile.h"

#include <memory>
#include <utility>

#include "contacts/indexed_fields.h"

CBuddyProfile::CBuddyProfile() = default;

// A buddy in the default state, then the source assigned to it: a copy carries what assignment
// carries and nothing else.
CBuddyProfile::CBuddyProfile(const CBuddyProfile& other) : CBuddyProfile() { *this = other; }

CBuddyProfile::~CBuddyProfile() = default;

template <class Source, class Visit>
void CBuddyProfile::ForEachCopiedField(CBuddyProfile& target, Source& source, Visit visit) {
  // From the user-profile part.
  visit(target.quilloId_, source.quilloId_);
  visit(target.password_, source.password_);
  visit(target.lastName_, source.lastName_);
  visit(target.firstName_, source.firstName_);
  visit(target.email_, source.email_);
  visit(target.streetAddress_, source.streetAddress_);
  visit(target.city_, source.city_);
  visit(target.state_, source.state_);
  visit(target.country_, source.country_);
  visit(target.telephone_, source.telephone_);
  visit(target.fax_, source.fax_);
  visit(target.profile_, source.profile_);
  visit(target.provider_, source.provider_);
  visit(target.age_, source.age_);
  visit(target.gender_, source.gender_);
  visit(target.mood_, source.mood_);
  visit(target.status_, source.status_);
  visit(target.messageStoreEnabled_, source.messageStoreEnabled_);
  visit(target.smsForwardingEnabled_, source.smsForwardingEnabled_);
  visit(target.searchable_, source.searchable_);
  visit(target.unifiedAccount_, source.unifiedAccount_);
  visit(target.profileImage_, source.profileImage_);
  visit(target.statusMessage_, source.statusMessage_);
  visit(target.emailForwarding_, source.emailForwarding_);
  visit(target.avatarFileKey_, source.avatarFileKey_);
  visit(target.bigImage_, source.bigImage_);
  visit(target.smallImage_, source.smallImage_);
  visit(target.avatarUrl_, source.avatarUrl_);
  // The buddy's own.
  visit(target.screenName_, source.screenName_);
  visit(target.favorite_, source.favorite_);
  visit(target.blii_, source.blii_);
  visit(target.quickCode_, source.quickCode_);
  visit(target.logonStatus_, source.logonStatus_);
  visit(target.accepted_, source.accepted_);
  visit(target.addBuddyRequester_, source.addBuddyRequester_);
  visit(target.acceptStatus_, source.acceptStatus_);
  visit(target.domain_, source.domain_);
  visit(target.groupName_, source.groupName_);
  visit(target.toggleFlags_, source.toggleFlags_);
  visit(target.psmsRate_, source.psmsRate_);
  visit(target.psmsCurrency_, source.psmsCurrency_);
  visit(target.groupList_, source.groupList_);
  visit(target.resourceList_, source.resourceList_);
}

namespace {

// A buddy in the default state: what a new buddy's copied fields are compared with, and
// restored from.
const CBuddyProfile& Defaults() {
  static const CBuddyProfile defaults;
  return defaults;
}

}  // namespace

// Copies exactly the fields above; CUserProfile's assignment is not called, as it would reset
// the holder count and copy data a buddy copy must not carry. Either way a failed copy changes
// nothing.
CBuddyProfile& CBuddyProfile::operator=(const CBuddyProfile& other) {
  if (this == &other) return *this;
  // Every text and list starts empty, so emptiness is enough there (and cheaper).
  bool fresh = true;
  ForEachCopiedField(*this, Defaults(), [&](const auto& mine, const auto& initial) {
    if constexpr (requires { mine.empty(); }) {
      fresh = fresh && mine.empty();
    } else {
      fresh = fresh && mine == initial;
    }
  });
  if (fresh) {
    // A buddy still in the default state, as every copy the library makes is: filled in place,
    // and put back to the defaults if a copy fails. Copying a default (empty) value allocates
    // nothing, and the swap hands what was copied so far to `partial`, which frees it.
    try {
      ForEachCopiedField(*this, other, [](auto& to, const auto& from) { to = from; });
    } catch (...) {
      ForEachCopiedField(*this, Defaults(), [](auto& to, const auto& initial) {
        auto partial = initial;
        using std::swap;
        swap(to, partial);
      });
      throw;
    }
  } else {
    // Copied aside first, then swapped in without a throw.
    CBuddyProfile staged;
    ForEachCopiedField(staged, other, [](auto& to, const auto& from) { to = from; });
    // Our decision: the group and resource lists are replaced, not appended to, so that the
    // target equals the source and its resources stay free of case-insensitive duplicates.
    ForEachCopiedField(*this, staged, [](auto& mine, auto& theirs) {
      using std::swap;
      swap(mine, theirs);
    });
  }
  qo::IndexedFields::Touched(*this);
  return *this;
}

CBuddyProfile& CBuddyProfile::operator&(const CBuddyProfile& other) { return *this = other; }

IBuddyProfile* CBuddyProfile::Copy() {
  auto copy = std::make_unique<CBuddyProfile>();
  *copy = *this;
  return copy.release();
}

// --- IBuddyProfile_01: plain fields and the user-profile part's lists ----------------------

void CBuddyProfile::SetToogleFlags(std::uint32_t flags) { toggleFlags_ = flags; }
std::uint32_t CBuddyProfile::GetToogleFlags() { return toggleFlags_; }
qo::String CBuddyProfile::getAddBuddyRequester() { return addBuddyRequester_; }
qo::StringList& CBuddyProfile::getGroupList() { return groupList_; }
// Copied first and swapped in: assigning over the old entries one by one could fail half-way.
void CBuddyProfile::setGroupList(const qo::StringList& groups) {
  qo::StringList copy(groups);
  groupList_.swap(copy);
}
qo::Time CBuddyProfile::getBirthdate() { return CUserProfile::getBirthdate(); }
qo::StringList& CBuddyProfile::getAddressList() { return CUserProfile::getAddressList(); }
qo::StringList& CBuddyProfile::getTelephoneList() { return CUserProfile::getTelephoneList(); }
qo::StringList& CBuddyProfile::getEmailList() { return CUserProfile::getEmailList(); }
qo::StringList& CBuddyProfile::GetResourceList() { return resourceList_; }

// --- IBuddyProfile: plain fields -------------------------------------------------------------

void CBuddyProfile::setScreenName(qo::String screenName) { screenName_ = std::move(screenName); }
void CBuddyProfile::setFavoriteBuddy(bool favorite) { favorite_ = favorite; }
void CBuddyProfile::setAcceptStatus(std::int32_t acceptStatus) { acceptStatus_ = acceptStatus; }
void CBuddyProfile::setBLII(std::int32_t blii) {
  blii_ = blii;
  qo::IndexedFields::Touched(*this);
}
void CBuddyProfile::setQuickCode(qo::String quickCode) { quickCode_ = std::move(quickCode); }
void CBuddyProfile::setLogonStatus(tagLOGON_STATUS logonStatus) { logonStatus_ = logonStatus; }
void CBuddyProfile::setAccepted(bool accepted) { accepted_ = accepted; }
void CBuddyProfile::setAddBuddyRequester(qo::String requester) {
  addBuddyRequester_ = std::move(requester);
}
// The domain code decides getBlii, which the buddy list indexes.
void CBuddyProfile::setDomain(std::int32_t domain) {
  domain_ = domain;
  qo::IndexedFields::Touched(*this);
}
void CBuddyProfile::SetGroupName(qo::String groupName) { groupName_ = std::move(groupName); }
qo::String CBuddyProfile::getQuickCode() { return quickCode_; }
qo::String CBuddyProfile::GetGroupName() { return groupName_; }
bool CBuddyProfile::isFavoriteBuddy() { return favorite_; }
std::int32_t CBuddyProfile::getAcceptStatus() { return acceptStatus_; }
std::int32_t CBuddyProfile::getDomain() { return domain_; }
tagLOGON_STATUS CBuddyProfile::getLogonStatus() { return logonStatus_; }
bool CBuddyProfile::IsAccepted() { return accepted_; }
void CBuddyProfile::SetPSMSRate(double rate) { psmsRate_ = rate; }
void CBuddyProfile::SetPSMSCurrency(qo::String currency) { psmsCurrency_ = std::move(currency); }
double CBuddyProfile::GetPSMSRate() { return psmsRate_; }
qo::String CBuddyProfile::GetPSMSCurrency() { return psmsCurrency_; }

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
