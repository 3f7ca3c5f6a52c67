#include "qodata/user_profile.h"

#include <type_traits>
#include <utility>

#include "contacts/buddy_index.h"

namespace {

// Puts copies of `front` before the entries of `list`, in order.
void Prepend(qo::StringList& list, const qo::StringList& front) {
  list.insert(list.begin(), front.begin(), front.end());
}

}  // namespace

bool CUserProfile::SharedFields::operator==(const SharedFields&) const = default;
bool CUserProfile::Fields::operator==(const Fields&) const = default;
static_assert(std::is_nothrow_move_assignable_v<CUserProfile::Fields>);

CUserProfile::CUserProfile() = default;

// Every member after the shared part keeps its default member initialiser.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
CUserProfile::CUserProfile(const SharedFields& shared) : fields_{shared} {}
#pragma GCC diagnostic pop

// Assignment onto a default profile is a copy of every field.
CUserProfile::CUserProfile(const CUserProfile& other) : Container(other), fields_(other.fields_) {}

CUserProfile::~CUserProfile() = default;

CUserProfile& CUserProfile::operator=(const CUserProfile& other) {
  // Our decision: assigning a profile to itself changes nothing, not even the holder count
  // (appending its lists to themselves and emptying its own request would only lose data).
  if (this == &other) return *this;
  // The source's record with this profile's additions, built aside: a failed copy changes
  // nothing, and the move that commits it cannot throw.
  Fields merged = other.fields_;
  // Our decision: the lists are appended to this profile's entries; only the request is
  // replaced.
  Prepend(merged.addressList, fields_.addressList);
  Prepend(merged.telephoneList, fields_.telephoneList);
  Prepend(merged.emailList, fields_.emailList);
  // The source's records under their keys; this profile's records under other keys stay.
  merged.savedStatuses.insert(fields_.savedStatuses.begin(), fields_.savedStatuses.end());
  fields_ = std::move(merged);
  ResetHolders();
  IndexedFieldChanged();
  return *this;
}

void CUserProfile::IndexedFieldChanged() noexcept {
  if (indexEntry_ != nullptr) indexEntry_->Changed();
}

CUserProfile& CUserProfile::operator&(const CUserProfile& other) { return *this = other; }

qo::String CUserProfile::toString() const { return fields_.shared.profile; }

// --- IUserProfile ------------------------------------------------------------------------

void CUserProfile::setPassword(qo::String password) {
  fields_.shared.password = std::move(password);
}
void CUserProfile::setOldPassword(qo::String oldPassword) {
  fields_.oldPassword = std::move(oldPassword);
}
void CUserProfile::setName(qo::String firstName, qo::String lastName) {
  fields_.shared.firstName = std::move(firstName);
  fields_.shared.lastName = std::move(lastName);
}
void CUserProfile::setEmail(qo::String email) {
  fields_.shared.email = std::move(email);
  IndexedFieldChanged();
}
void CUserProfile::setAddressInfo(qo::String street, qo::String city, qo::String state,
                                  qo::String country) {
  fields_.shared.streetAddress = std::move(street);
  fields_.shared.city = std::move(city);
  fields_.shared.state = std::move(state);
  fields_.shared.country = std::move(country);
}
void CUserProfile::setContactInfo(qo::String telephone, qo::String fax) {
  fields_.shared.telephone = std::move(telephone);
  fields_.shared.fax = std::move(fax);
}
// Stores nothing, deliberately: the profile text reaches a profile only by assignment from
// one that holds it, and clients rely on setProfile leaving it alone.
void CUserProfile::setProfile(qo::String /*profile*/) {}
void CUserProfile::setProvider(qo::String provider) {
  fields_.shared.provider = std::move(provider);
}
void CUserProfile::setAge(std::int32_t age) { fields_.shared.age = age; }
void CUserProfile::setGender(tagGENDER gender) { fields_.shared.gender = gender; }
void CUserProfile::enableMessageStore(bool enable) { fields_.shared.messageStoreEnabled = enable; }
void CUserProfile::enableSMSForwarding(bool enable) {
  fields_.shared.smsForwardingEnabled = enable;
}
void CUserProfile::enableEmailForwarding(bool enable) { fields_.shared.emailForwarding = enable; }
void CUserProfile::setSearchable(std::int32_t searchable) {
  fields_.shared.searchable = searchable != 0;
}
void CUserProfile::setTheme(qo::String theme) { fields_.theme = std::move(theme); }
void CUserProfile::setIdleTime(std::int32_t idleTime) { fields_.idleTime = idleTime; }
qo::String CUserProfile::getQuilloID() { return fields_.shared.quilloId; }
qo::String CUserProfile::getPassword() { return fields_.shared.password; }
qo::String CUserProfile::getOldPassword() { return fields_.oldPassword; }
qo::String CUserProfile::getLastName() { return fields_.shared.lastName; }
qo::String CUserProfile::getFirstName() { return fields_.shared.firstName; }
qo::String CUserProfile::getEmail() { return fields_.shared.email; }
qo::String CUserProfile::getStreetAddress() { return fields_.shared.streetAddress; }
qo::String CUserProfile::getCityAddress() { return fields_.shared.city; }
qo::String CUserProfile::getStateAddress() { return fields_.shared.state; }
qo::String CUserProfile::getCountryAddress() { return fields_.shared.country; }
qo::String CUserProfile::getFax() { return fields_.shared.fax; }
qo::String CUserProfile::getTelephone() { return fields_.shared.telephone; }
qo::String CUserProfile::getProfile() { return fields_.shared.profile; }
qo::String CUserProfile::getProvider() { return fields_.shared.provider; }
qo::String CUserProfile::getTheme() { return fields_.theme; }
std::int32_t CUserProfile::getIdleTime() { return fields_.idleTime; }
tagMOOD CUserProfile::getMood() { return fields_.shared.mood; }
tagGENDER CUserProfile::getGender() { return fields_.shared.gender; }
tagSTATUS CUserProfile::getStatus() { return fields_.shared.status; }
std::int32_t CUserProfile::getAge() { return fields_.shared.age; }
bool CUserProfile::isMessageStoreEnabled() { return fields_.shared.messageStoreEnabled; }
bool CUserProfile::isSMSForwardingEnabled() { return fields_.shared.smsForwardingEnabled; }
bool CUserProfile::isSeachable() { return fields_.shared.searchable; }
bool CUserProfile::isEmailForwarding() { return fields_.shared.emailForwarding; }
void CUserProfile::setMood(tagMOOD mood) { fields_.shared.mood = mood; }
void CUserProfile::setStatus(tagSTATUS status) { fields_.shared.status = status; }
bool CUserProfile::isUnifiedAccount() { return fields_.shared.unifiedAccount; }
void CUserProfile::setProfileImage(qo::String profileImage) {
  fields_.shared.profileImage = std::move(profileImage);
}
void CUserProfile::setStatusMessage(qo::String statusMessage) {
  fields_.shared.statusMessage = std::move(statusMessage);
}
void CUserProfile::setAvatarFileKey(qo::String avatarFileKey) {
  fields_.shared.avatarFileKey = std::move(avatarFileKey);
}
qo::String CUserProfile::getProfileImage() { return fields_.shared.profileImage; }
qo::String CUserProfile::getStatusMessage() { return fields_.shared.statusMessage; }
qo::String CUserProfile::getAvatarFileKey() { return fields_.shared.avatarFileKey; }
void CUserProfile::SetBigImage(qo::String bigImage) {
  fields_.shared.bigImage = std::move(bigImage);
}
void CUserProfile::SetSmallImage(qo::String smallImage) {
  fields_.shared.smallImage = std::move(smallImage);
}
qo::String CUserProfile::GetBigImage() { return fields_.shared.bigImage; }
qo::String CUserProfile::GetSmallImage() { return fields_.shared.smallImage; }
void CUserProfile::SetWalletId(qo::String walletId) { fields_.walletId = std::move(walletId); }
void CUserProfile::SetWalletPassword(qo::String walletPassword) {
  fields_.walletPassword = std::move(walletPassword);
}
void CUserProfile::SetWalletBalance(double balance) { fields_.walletBalance = balance; }
void CUserProfile::SetWalletCurrency(qo::String currency) {
  fields_.walletCurrency = std::move(currency);
}
qo::String CUserProfile::GetWalletId() { return fields_.walletId; }
qo::String CUserProfile::GetWalletPassword() { return fields_.walletPassword; }
double CUserProfile::GetWalletBalance() { return fields_.walletBalance; }
qo::String CUserProfile::GetWalletCurrency() { return fields_.walletCurrency; }

// --- IUserProfile_01 ---------------------------------------------------------------------

void CUserProfile::setAvatarUrl(qo::String avatarUrl) {
  fields_.shared.avatarUrl = std::move(avatarUrl);
}
qo::String CUserProfile::getAvatarUrl() { return fields_.shared.avatarUrl; }
qo::Time CUserProfile::getBirthdate() { return fields_.birthdate; }
void CUserProfile::setBirthdate(qo::Time birthdate) { fields_.birthdate = birthdate; }
qo::StringList& CUserProfile::getAddressList() { return fields_.addressList; }
// The list setters copy first and swap, so a failed copy leaves the list as it was (and a
// caller passing the profile's own list gets it back unchanged).
void CUserProfile::setAddressList(const qo::StringList& addresses) {
  qo::StringList copy(addresses);
  fields_.addressList.swap(copy);
}
qo::StringList& CUserProfile::getTelephoneList() { return fields_.telephoneList; }
void CUserProfile::setTelephoneList(const qo::StringList& telephones) {
  qo::StringList copy(telephones);
  fields_.telephoneList.swap(copy);
}
qo::StringList& CUserProfile::getEmailList() { return fields_.emailList; }
void CUserProfile::setEmailList(const qo::StringList& emails) {
  qo::StringList copy(emails);
  fields_.emailList.swap(copy);
}
void CUserProfile::setEmailVerified(std::int32_t verified) { fields_.emailVerified = verified; }
std::int32_t CUserProfile::isEmailVerified() { return fields_.emailVerified; }
std::uint32_t CUserProfile::getSettings() { return fields_.settings; }
void CUserProfile::setSettings(std::uint32_t settings) { fields_.settings = settings; }
qo::String CUserProfile::GetGlobalID() { return fields_.globalId; }
void CUserProfile::setEmailUpdates(bool emailUpdates) { fields_.emailUpdates = emailUpdates; }
bool CUserProfile::isEmailUpdates() { return fields_.emailUpdates; }
std::int32_t CUserProfile::isSearchable() { return fields_.shared.searchable ? 1 : 0; }

void CUserProfile::AddStatus(const eSAVED_STATUS& status) {
  const auto key = static_cast<std::uint16_t>(status.number & 0xFFFFu);
  // The copy to keep, in a node of its own: the steps below then cannot fail half-way.
  qo::SavedStatusTable staged;
  staged.emplace(key, status);
  auto node = staged.extract(staged.begin());

  // At most four records: with more than three, the one with the smallest number goes. The
  // search starts from 999999, so only numbers below it are candidates.
  if (fields_.savedStatuses.size() > 3) {
    std::uint32_t smallest = 999999;
    for (const auto& entry : fields_.savedStatuses) {
      if (entry.second.number < smallest) smallest = entry.second.number;
    }
    fields_.savedStatuses.erase(static_cast<std::uint16_t>(smallest & 0xFFFFu));
  }

  auto existing = fields_.savedStatuses.find(key);
  if (existing != fields_.savedStatuses.end()) {
    existing->second = std::move(node.mapped());
  } else {
    fields_.savedStatuses.insert(std::move(node));
  }
}

qo::SavedStatusTable& CUserProfile::GetCustomStatus() { return fields_.savedStatuses; }
void CUserProfile::SetLastStatus(tagSTATUS status) { fields_.lastStatus = status; }
tagSTATUS CUserProfile::GetLastStatus() { return fields_.lastStatus; }
void CUserProfile::setJsonUserSettings(std::uint32_t settings) {
  fields_.jsonUserSettings = settings;
}
std::uint32_t CUserProfile::getJsonUserSettings() { return fields_.jsonUserSettings; }

// --- IUserProfile_02 ---------------------------------------------------------------------

void CUserProfile::setWalletUserKey(qo::String walletUserKey) {
  fields_.walletUserKey = std::move(walletUserKey);
}
qo::String CUserProfile::getWalletUserKey() { return fields_.walletUserKey; }
