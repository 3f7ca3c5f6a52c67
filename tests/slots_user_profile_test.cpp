// Binary compatibility of the user profile's three interfaces: every operation stays in its slot.
#include <gtest/gtest.h>

#include "qodata/user_profile.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, IUserProfile) {
  // Slots 0 to 4 are the container operations, inherited by every interface.
  EXPECT_SLOTS(IUserProfile, 0, GetType, Clone, GetDataInterface, AddRef, Release, setQuilloID,
               setPassword, setOldPassword, setName, setEmail, setAddressInfo, setContactInfo,
               setProfile, setProvider, setAge, setGender, enableMessageStore, enableSMSForwarding,
               enableEmailForwarding, setSearchable, setTheme, setIdleTime, getQuilloID,
               getPassword, getOldPassword, getLastName, getFirstName, getEmail, getStreetAddress,
               getCityAddress, getStateAddress, getCountryAddress, getFax, getTelephone, getProfile,
               getProvider, getTheme, getIdleTime, getMood, getGender, getStatus, getAge,
               isMessageStoreEnabled, isSMSForwardingEnabled, isSeachable, isEmailForwarding,
               setMood, setStatus, isUnifiedAccount, setProfileImage, setStatusMessage,
               setAvatarFileKey, getProfileImage, getStatusMessage, getAvatarFileKey, SetBigImage,
               SetSmallImage, GetBigImage, GetSmallImage, SetWalletId, SetWalletPassword,
               SetWalletBalance, SetWalletCurrency, GetWalletId, GetWalletPassword,
               GetWalletBalance, GetWalletCurrency);
}

TEST(SlotOrder, IUserProfile01) {
  // Slots 0 to 4 are the container operations, inherited by every interface.
  EXPECT_SLOTS(IUserProfile_01, 0, GetType, Clone, GetDataInterface, AddRef, Release, setAvatarUrl,
               getAvatarUrl, getBirthdate, setBirthdate, getAddressList, setAddressList,
               getTelephoneList, setTelephoneList, getEmailList, setEmailList, setEmailVerified,
               isEmailVerified, getSettings, setSettings, SetProfileRqst, GetProfileRqst,
               GetGlobalID, setEmailUpdates, isEmailUpdates, isSearchable, AddStatus,
               GetCustomStatus, SetLastStatus, GetLastStatus, setJsonUserSettings,
               getJsonUserSettings);
}

TEST(SlotOrder, IUserProfile02) {
  // Slots 0 to 4 are the container operations, inherited by every interface.
  EXPECT_SLOTS(IUserProfile_02, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               setWalletUserKey, getWalletUserKey);
}

TEST(SlotOrder, UserProfileClassKeepsTheInterfaceOrder) {
  // The class derives from its interfaces in this order, so its object starts with the
  // IUserProfile vtable and the other two follow at their own offsets.
  CUserProfile profile;
  IUserProfile* first = &profile;
  IUserProfile_01* second = &profile;
  IUserProfile_02* third = &profile;
  const auto* base = reinterpret_cast<const char*>(&profile);
  EXPECT_EQ(reinterpret_cast<const char*>(first), base);
  EXPECT_LT(reinterpret_cast<const char*>(first), reinterpret_cast<const char*>(second));
  EXPECT_LT(reinterpret_cast<const char*>(second), reinterpret_cast<const char*>(third));
}

}  // namespace
