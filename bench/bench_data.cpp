#include "bench/bench_data.h"

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <random>
#include <string>

namespace bench {
namespace {

qo::String Number(std::size_t i) {
  std::string digits = std::to_string(i);
  return qo::String(digits.begin(), digits.end());
}

// Texts long enough to live on the heap, as real names and addresses mostly do.
const qo::String kFirst = u"Alexandra";
const qo::String kLast = u"Montgomery";
const qo::String kStreet = u"1200 Harbour View Road";
const qo::String kCity = u"Springfield";
const qo::String kState = u"Oregon";
const qo::String kCountry = u"United States";
const qo::String kPhone = u"+1 555 0100 200";
const qo::String kFax = u"+1 555 0100 201";
const qo::String kProvider = u"Example Telecom";
const qo::String kImage = u"https://img.qodata.example/avatars/000123456.png";
const qo::String kStatus = u"Out for lunch, back at two";
const qo::String kAvatarKey = u"avatar-000123456";
const qo::String kScreen = u"Alex the Great";
const qo::String kQuickCode = u"QC-4711";
const qo::String kGroup = u"Friends";
const qo::String kResource = u"desktop";
const qo::String kCurrency = u"USD";

}  // namespace

qo::String BuddyId(std::size_t i) { return u"buddy" + Number(i) + u"@qodata.example"; }
qo::String BuddyEmail(std::size_t i) { return u"buddy." + Number(i) + u"@mail.example"; }
std::int32_t BuddyBlii(std::size_t i) { return static_cast<std::int32_t>(i) + 1; }
qo::String MissingKey(std::size_t i) { return u"nobody" + Number(i) + u".qodata.example"; }

void FillBuddy(CBuddyProfile& buddy, std::size_t i) {
  buddy.setQuilloID(BuddyId(i));
  buddy.setName(kFirst, kLast);
  buddy.setEmail(BuddyEmail(i));
  buddy.setAddressInfo(kStreet, kCity, kState, kCountry);
  buddy.setContactInfo(kPhone, kFax);
  buddy.setProvider(kProvider);
  buddy.setAge(34);
  buddy.setStatus(static_cast<tagSTATUS>(1));
  buddy.setProfileImage(kImage);
  buddy.setStatusMessage(kStatus);
  buddy.setAvatarFileKey(kAvatarKey);
  buddy.SetBigImage(kImage);
  buddy.SetSmallImage(kImage);
  buddy.setScreenName(kScreen);
  buddy.setQuickCode(kQuickCode);
  buddy.SetGroupName(kGroup);
  buddy.setBLII(BuddyBlii(i));
  buddy.setAccepted(true);
  buddy.setGroupList({kGroup});
  buddy.AddResource(kResource);
  buddy.SetPSMSCurrency(kCurrency);
}

void FillPlain(PlainBuddy& buddy, std::size_t i) {
  // The identifier as the profile keeps it: lower case (these ids carry no transport suffix).
  buddy.quilloId = BuddyId(i);
  buddy.firstName = kFirst;
  buddy.lastName = kLast;
  buddy.email = BuddyEmail(i);
  buddy.streetAddress = kStreet;
  buddy.city = kCity;
  buddy.state = kState;
  buddy.country = kCountry;
  buddy.telephone = kPhone;
  buddy.fax = kFax;
  buddy.provider = kProvider;
  buddy.age = 34;
  buddy.status = 1;
  buddy.profileImage = kImage;
  buddy.statusMessage = kStatus;
  buddy.avatarFileKey = kAvatarKey;
  buddy.bigImage = kImage;
  buddy.smallImage = kImage;
  buddy.screenName = kScreen;
  buddy.quickCode = kQuickCode;
  buddy.groupName = kGroup;
  buddy.blii = BuddyBlii(i);
  buddy.accepted = true;
  buddy.groupList = {kGroup};
  buddy.resourceList = {kResource};
  buddy.psmsCurrency = kCurrency;
}

void FillUserProfile(CUserProfile& profile) {
  profile.setQuilloID(BuddyId(7));
  profile.setPassword(u"correct horse battery");
  profile.setName(kFirst, kLast);
  profile.setEmail(BuddyEmail(7));
  profile.setAddressInfo(kStreet, kCity, kState, kCountry);
  profile.setContactInfo(kPhone, kFax);
  profile.setProvider(kProvider);
  profile.setAge(34);
  profile.setTheme(u"dark harbour");
  profile.setProfileImage(kImage);
  profile.setStatusMessage(kStatus);
  profile.setAvatarFileKey(kAvatarKey);
  profile.SetBigImage(kImage);
  profile.SetSmallImage(kImage);
  profile.SetWalletId(u"wallet-000123456");
  profile.SetWalletCurrency(kCurrency);
  profile.setAvatarUrl(kImage);
  profile.setBirthdate(450000000);
  profile.setAddressList({kStreet, kCity});
  profile.setTelephoneList({kPhone});
  profile.setEmailList({BuddyEmail(7), BuddyEmail(8)});
  profile.AddStatus(eSAVED_STATUS{1, kStatus, 1});
  profile.AddStatus(eSAVED_STATUS{2, u"In a meeting until four", 2});
  profile.setWalletUserKey(u"wallet-user-key-0001");
}

void FillMessage(CMessage& message) {
  message.SetParameters(BuddyId(1), BuddyId(2), u"Are we still on for dinner tonight at eight?",
                        static_cast<tagSEND_MEDIUM>(1), qo::Time{1700000000});
  message.addRecipient(BuddyId(2), static_cast<tagSEND_MEDIUM>(1));
  message.addRecipient(BuddyId(3), static_cast<tagSEND_MEDIUM>(1));
  message.addRecipient(BuddyId(4), static_cast<tagSEND_MEDIUM>(1));
  message.setAttachment(u"/home/alex/Pictures/harbour-at-night.jpg",
                        static_cast<tagATTACHMENT_TYPE>(1));
  CBuddyProfile buddy;
  FillBuddy(buddy, 2);
  message.SetBuddyProfile(static_cast<IBuddyProfile*>(&buddy), static_cast<tagSEND_MEDIUM>(1));
}

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void ReleaseFreeMemory() { malloc_trim(0); }

std::size_t HeapInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

std::vector<std::size_t> ShuffledIndexes(std::size_t n) {
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937_64(42));
  return order;
}

}  // namespace bench
