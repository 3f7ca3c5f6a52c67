// Binary compatibility of the user profile's three interfaces: every operation stays in its slot.
#include <gtest/gtest.h>

#include "qodata/user_profile.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, UserProfileInterfaces) {
  EXPECT_CONTAINER_SLOTS(
      IUserProfile, setQuilloID, setPassword, setOldPassword, setName, setEmail, setAddressInfo,
      setContactInfo, setProfile, setProvider, setAge, setGender, enableMessageStore,
      enableSMSForwarding, enableEmailForwarding, setSearchable, setTheme, setIdleTime, getQuilloID,
      getPassword, getOldPassword, getLastName, getFirstName, getEmail, getStreetAddress,
      getCityAddress, getStateAddress, getCountryAddress, getFax, getTelephone, getProfile,
      getProvider, getTheme, getIdleTime, getMood, getGender, getStatus, getAge,
      isMessageStoreEnabled, isSMSForwardingEnabled, isSeachable, isEmailForwarding, setMood,
      setStatus, isUnifiedAccount, setProfileImage, setStatusMessage, setAvatarFileKey,
      getProfileImage, getStatusMessage, getAvatarFileKey, SetBigImage, SetSmallImage, GetBigImage,
      GetSmallImage, SetWalletId, SetWalletPassword, SetWalletBalance, SetWalletCurrency,
      GetWalletId, GetWalletPassword, GetWalletBalance, GetWalletCurrency);
  EXPECT_CONTAINER_SLOTS(IUserProfile_01, setAvatarUrl, getAvatarUrl, getBirthdate, setBirthdate,
                         getAddressList, setAddressList, getTelephoneList, setTelephoneList,
                         getEmailList, setEmailList, setEmailVerified, isEmailVerified,
                         getSettings, setSettings, SetProfileRqst, GetProfileRqst, GetGlobalID,
                         setEmailUpdates, isEmailUpdates, isSearchable, AddStatus,
                         GetCustomStatus, SetLastStatus, GetLastStatus, setJsonUserSettings,
                         getJsonUserSettings);
  EXPECT_CONTAINER_SLOTS(IUserProfile_02, setWalletUserKey, getWalletUserKey);
}

TEST(SlotOrder, UserProfileClassKeepsTheInterfaceOrder) {
  // The class derives from its interfaces in this order, so its object starts with the
  // IUserProfile vtable and the other two follow at their own offsets.
  CUserProfile profile;
  const auto* base = reinterpret_cast<const char*>(&profile);
  const auto* second = reinterpret_cast<const char*>(static_cast<IUserProfile_01*>(&profile));
  const auto* third = reinterpret_cast<const char*>(static_cast<IUserProfile_02*>(&profile));
  EXPECT_EQ(reinterpret_cast<const char*>(static_cast<IUserProfile*>(&profile)), base);
  EXPECT_LT(base, second);
  EXPECT_LT(second, third);
}

}  // namespace
