#include "qodata/user_profile.h"

#include <utility>

#include "contacts/indexed_fields.h"

namespace {

// Appends copies of every entry of `from`, in order.
void Append(qo::StringList& to, const qo::StringList& from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

CUserProfile::CUserProfile() = default;

// A default profile with lists and table of its own, then the source assigned to it.
CUserProfile::CUserProfile(const CUserProfile& other) : CUserProfile() { *this = other; }

CUserProfile::~CUserProfile() = default;

CUserProfile& CUserProfile::operator=(const CUserProfile& other) {
  // Our decision: assigning a profile to itself changes nothing, not even the holder count
  // (appending its lists to themselves and emptying its own request would only lose data).
  if (this == &other) return *this;

  // Every text, number, flag and time field: everything except the three lists, the profile
  // request, the saved-status table and the holder count.
  auto forEachValueField = [](auto&& visit) {
    visit(&CUserProfile::quilloId_);
    visit(&CUserProfile::password_);
    visit(&CUserProfile::oldPassword_);
    visit(&CUserProfile::lastName_);
    visit(&CUserProfile::firstName_);
    visit(&CUserProfile::email_);
    visit(&CUserProfile::streetAddress_);
    visit(&CUserProfile::city_);
    visit(&CUserProfile::state_);
    visit(&CUserProfile::country_);
    visit(&CUserProfile::telephone_);
    visit(&CUserProfile::fax_);
    visit(&CUserProfile::profile_);
    visit(&CUserProfile::provider_);
    visit(&CUserProfile::profileImage_);
    visit(&CUserProfile::statusMessage_);
    visit(&CUserProfile::avatarFileKey_);
    visit(&CUserProfile::bigImage_);
    visit(&CUserProfile::smallImage_);
    visit(&CUserProfile::globalId_);
    visit(&CUserProfile::birthdate_);
    visit(&CUserProfile::avatarUrl_);
    visit(&CUserProfile::walletUserKey_);
    visit(&CUserProfile::age_);
    visit(&CUserProfile::gender_);
    visit(&CUserProfile::mood_);
    visit(&CUserProfile::status_);
    visit(&CUserProfile::messageStoreEnabled_);
    visit(&CUserProfile::smsForwardingEnabled_);
    visit(&CUserProfile::searchable_);
    visit(&CUserProfile::emailUpdates_);
    visit(&CUserProfile::emailForwarding_);
    visit(&CUserProfile::unifiedAccount_);
    visit(&CUserProfile::idleTime_);
    visit(&CUserProfile::theme_);
    visit(&CUserProfile::emailVerified_);
    visit(&CUserProfile::settings_);
    visit(&CUserProfile::lastStatus_);
    visit(&CUserProfile::jsonUserSettings_);
    visit(&CUserProfile::walletId_);
    visit(&CUserProfile::walletPassword_);
    visit(&CUserProfile::walletBalance_);
    visit(&CUserProfile::walletCurrency_);
  };

  // Build the result aside first, so that a failed copy leaves this profile untouched.
  CUserProfile staged;
  forEachValueField([&](auto field) { staged.*field = other.*field; });
  // The request is replaced; our decision: the lists are appended to this profile's entries.
  staged.profileRequest_ = other.profileRequest_;
  staged.addressList_ = addressList_;
  Append(staged.addressList_, other.addressList_);
  staged.telephoneList_ = telephoneList_;
  Append(staged.telephoneList_, other.telephoneList_);
  staged.emailList_ = emailList_;
  Append(staged.emailList_, other.emailList_);
  // The source's records, as copies, under the same keys (replacing an entry there).
  staged.savedStatuses_ = savedStatuses_;
  for (const auto& [key, record] : other.savedStatuses_) {
    staged.savedStatuses_.insert_or_assign(key, record);
  }

  // Commit: swapping cannot throw.
  using std::swap;
  forEachValueField([&](auto field) { swap(this->*field, staged.*field); });
  profileRequest_.swap(staged.profileRequest_);
  addressList_.swap(staged.addressList_);
  telephoneList_.swap(staged.telephoneList_);
  emailList_.swap(staged.emailList_);
  savedStatuses_.swap(staged.savedStatuses_);
  ResetHolders();
  qo::IndexedFields::Touched(*this);
  return *this;
}

CUserProfile& CUserProfile::operator&(const CUserProfile& other) { return *this = other; }

qo::String CUserProfile::toString() const { return profile_; }

// --- IUserProfile ------------------------------------------------------------------------

void CUserProfile::setPassword(qo::String password) { password_ = std::move(password); }
void CUserProfile::setOldPassword(qo::String oldPassword) { oldPassword_ = std::move(oldPassword); }
void CUserProfile::setName(qo::String firstName, qo::String lastName) {
  firstName_ = std::move(firstName);
  lastName_ = std::move(lastName);
}
void CUserProfile::setEmail(qo::String email) {
  email_ = std::move(email);
  qo::IndexedFields::Touched(*this);
}
void CUserProfile::setAddressInfo(qo::String street, qo::String city, qo::String state,
                                  qo::String country) {
  streetAddress_ = std::move(street);
  city_ = std::move(city);
  state_ = std::move(state);
  country_ = std::move(country);
}
void CUserProfile::setContactInfo(qo::String telephone, qo::String fax) {
  telephone_ = std::move(telephone);
  fax_ = std::move(fax);
}
// Stores nothing, deliberately: the profile text reaches a profile only by assignment from
// one that holds it, and clients rely on setProfile leaving it alone.
void CUserProfile::setProfile(qo::String /*profile*/) {}
void CUserProfile::setProvider(qo::String provider) { provider_ = std::move(provider); }
void CUserProfile::setAge(std::int32_t age) { age_ = age; }
void CUserProfile::setGender(tagGENDER gender) { gender_ = gender; }
void CUserProfile::enableMessageStore(bool enable) { messageStoreEnabled_ = enable; }
void CUserProfile::enableSMSForwarding(bool enable) { smsForwardingEnabled_ = enable; }
void CUserProfile::enableEmailForwarding(bool enable) { emailForwarding_ = enable; }
void CUserProfile::setSearchable(std::int32_t searchable) { searchable_ = searchable != 0; }
void CUserProfile::setTheme(qo::String theme) { theme_ = std::move(theme); }
void CUserProfile::setIdleTime(std::int32_t idleTime) { idleTime_ = idleTime; }
qo::String CUserProfile::getQuilloID() { return quilloId_; }
qo::String CUserProfile::getPassword() { return password_; }
qo::String CUserProfile::getOldPassword() { return oldPassword_; }
qo::String CUserProfile::getLastName() { return lastName_; }
qo::String CUserProfile::getFirstName() { return firstName_; }
qo::String CUserProfile::getEmail() { return email_; }
qo::String CUserProfile::getStreetAddress() { return streetAddress_; }
qo::String CUserProfile::getCityAddress() { return city_; }
qo::String CUserProfile::getStateAddress() { return state_; }
qo::String CUserProfile::getCountryAddress() { return country_; }
qo::String CUserProfile::getFax() { return fax_; }
qo::String CUserProfile::getTelephone() { return telephone_; }
qo::String CUserProfile::getProfile() { return profile_; }
qo::String CUserProfile::getProvider() { return provider_; }
qo::String CUserProfile::getTheme() { return theme_; }
std::int32_t CUserProfile::getIdleTime() { return idleTime_; }
tagMOOD CUserProfile::getMood() { return mood_; }
tagGENDER CUserProfile::getGender() { return gender_; }
tagSTATUS CUserProfile::getStatus() { return status_; }
std::int32_t CUserProfile::getAge() { return age_; }
bool CUserProfile::isMessageStoreEnabled() { return messageStoreEnabled_; }
bool CUserProfile::isSMSForwardingEnabled() { return smsForwardingEnabled_; }
bool CUserProfile::isSeachable() { return searchable_; }
bool CUserProfile::isEmailForwarding() { return emailForwarding_; }
void CUserProfile::setMood(tagMOOD mood) { mood_ = mood; }
void CUserProfile::setStatus(tagSTATUS status) { status_ = status; }
bool CUserProfile::isUnifiedAccount() { return unifiedAccount_; }
void CUserProfile::setProfileImage(qo::String profileImage) {
  profileImage_ = std::move(profileImage);
}
void CUserProfile::setStatusMessage(qo::String statusMessage) {
  statusMessage_ = std::move(statusMessage);
}
void CUserProfile::setAvatarFileKey(qo::String avatarFileKey) {
  avatarFileKey_ = std::move(avatarFileKey);
}
qo::String CUserProfile::getProfileImage() { return profileImage_; }
qo::String CUserProfile::getStatusMessage() { return statusMessage_; }
qo::String CUserProfile::getAvatarFileKey() { return avatarFileKey_; }
void CUserProfile::SetBigImage(qo::String bigImage) { bigImage_ = std::move(bigImage); }
void CUserProfile::SetSmallImage(qo::String smallImage) { smallImage_ = std::move(smallImage); }
qo::String CUserProfile::GetBigImage() { return bigImage_; }
qo::String CUserProfile::GetSmallImage() { return smallImage_; }
void CUserProfile::SetWalletId(qo::String walletId) { walletId_ = std::move(walletId); }
void CUserProfile::SetWalletPassword(qo::String walletPassword) {
  walletPassword_ = std::move(walletPassword);
}
void CUserProfile::SetWalletBalance(double balance) { walletBalance_ = balance; }
void CUserProfile::SetWalletCurrency(qo::String currency) { walletCurrency_ = std::move(currency); }
qo::String CUserProfile::GetWalletId() { return walletId_; }
qo::String CUserProfile::GetWalletPassword() { return walletPassword_; }
double CUserProfile::GetWalletBalance() { return walletBalance_; }
qo::String CUserProfile::GetWalletCurrency() { return walletCurrency_; }

// --- IUserProfile_01 ---------------------------------------------------------------------

void CUserProfile::setAvatarUrl(qo::String avatarUrl) { avatarUrl_ = std::move(avatarUrl); }
qo::String CUserProfile::getAvatarUrl() { return avatarUrl_; }
qo::Time CUserProfile::getBirthdate() { return birthdate_; }
void CUserProfile::setBirthdate(qo::Time birthdate) { birthdate_ = birthdate; }
qo::StringList& CUserProfile::getAddressList() { return addressList_; }
// The list setters copy first and swap, so a failed copy leaves the list as it was (and a
// caller passing the profile's own list gets it back unchanged).
void CUserProfile::setAddressList(const qo::StringList& addresses) {
  qo::StringList copy(addresses);
  addressList_.swap(copy);
}
qo::StringList& CUserProfile::getTelephoneList() { return telephoneList_; }
void CUserProfile::setTelephoneList(const qo::StringList& telephones) {
  qo::StringList copy(telephones);
  telephoneList_.swap(copy);
}
qo::StringList& CUserProfile::getEmailList() { return emailList_; }
void CUserProfile::setEmailList(const qo::StringList& emails) {
  qo::StringList copy(emails);
  emailList_.swap(copy);
}
void CUserProfile::setEmailVerified(std::int32_t verified) { emailVerified_ = verified; }
std::int32_t CUserProfile::isEmailVerified() { return emailVerified_; }
std::uint32_t CUserProfile::getSettings() { return settings_; }
void CUserProfile::setSettings(std::uint32_t settings) { settings_ = settings; }
qo::String CUserProfile::GetGlobalID() { return globalId_; }
void CUserProfile::setEmailUpdates(bool emailUpdates) { emailUpdates_ = emailUpdates; }
bool CUserProfile::isEmailUpdates() { return emailUpdates_; }
std::int32_t CUserProfile::isSearchable() { return searchable_ ? 1 : 0; }

void CUserProfile::AddStatus(const eSAVED_STATUS& status) {
  const auto key = static_cast<std::uint16_t>(status.number & 0xFFFFu);
  // The copy to keep, in a node of its own: the steps below then cannot fail half-way.
  qo::SavedStatusTable staged;
  staged.emplace(key, status);
  auto node = staged.extract(staged.begin());

  // At most four records: with more than three, the one with the smallest number goes. The
  // search starts from 999999, so only numbers below it are candidates.
  if (savedStatuses_.size() > 3) {
    std::uint32_t smallest = 999999;
    for (const auto& entry : savedStatuses_) {
      if (entry.second.number < smallest) smallest = entry.second.number;
    }
    savedStatuses_.erase(static_cast<std::uint16_t>(smallest & 0xFFFFu));
  }

  auto existing = savedStatuses_.find(key);
  if (existing != savedStatuses_.end()) {
    existing->second = std::move(node.mapped());
  } else {
    savedStatuses_.insert(std::move(node));
  }
}

qo::SavedStatusTable& CUserProfile::GetCustomStatus() { return savedStatuses_; }
void CUserProfile::SetLastStatus(tagSTATUS status) { lastStatus_ = status; }
tagSTATUS CUserProfile::GetLastStatus() { return lastStatus_; }
void CUserProfile::setJsonUserSettings(std::uint32_t settings) { jsonUserSettings_ = settings; }
std::uint32_t CUserProfile::getJsonUserSettings() { return jsonUserSettings_; }

// --- IUserProfile_02 ---------------------------------------------------------------------

void CUserProfile::setWalletUserKey(qo::String walletUserKey) {
  walletUserKey_ = std::move(walletUserKey);
}
qo::String CUserProfile::getWalletUserKey() { return walletUserKey_; }
