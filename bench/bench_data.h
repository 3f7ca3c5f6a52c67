// Test data shared by the benchmarks: buddies filled the same way as containers and as the
// plain baseline struct, so that both sides copy, hash and compare the same texts.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "qodata/buddy_profile.h"
#include "qodata/message.h"
#include "qodata/user_profile.h"

namespace bench {

// The buddy sizes the list workloads run at.
inline constexpr std::int64_t kSizes[] = {1000, 100000, 1000000};

// Records are added and removed in timed chunks of this many, with the untimed preparation
// of the next chunk in between.
inline constexpr std::size_t kChunk = 1000;

// The identifier (also the list key), e-mail address and BLII of buddy number i.
qo::String BuddyId(std::size_t i);
qo::String BuddyEmail(std::size_t i);
std::int32_t BuddyBlii(std::size_t i);
// A key that no buddy has and that is not shaped like an e-mail address.
qo::String MissingKey(std::size_t i);

// Every field a client typically sets, with identifier, e-mail and BLII of buddy number i.
void FillBuddy(CBuddyProfile& buddy, std::size_t i);
// As FillBuddy, plus the user-profile data that a buddy copy does not carry.
void FillUserProfile(CUserProfile& profile);
// A message with sender, text, stamp, three recipients, an attachment and a buddy.
void FillMessage(CMessage& message);

// The same fields as a buddy profile (its user-profile part included), as a plain struct.
struct PlainBuddy {
  qo::String quilloId, password, oldPassword, lastName, firstName, email, streetAddress, city,
      state, country, telephone, fax, profile, provider, profileImage, statusMessage, avatarFileKey,
      bigImage, smallImage, globalId;
  qo::Time birthdate = 0;
  qo::String avatarUrl, walletUserKey;
  qo::StringList addressList, telephoneList, emailList;
  std::int32_t age = 0, gender = 2, mood = 0, status = -1;
  bool messageStoreEnabled = false, smsForwardingEnabled = false, searchable = false,
       emailUpdates = false, emailForwarding = false, unifiedAccount = false;
  std::int32_t idleTime = 0;
  qo::String theme;
  std::int32_t emailVerified = 0;
  std::uint32_t settings = 0;
  qo::StringMap profileRequest;
  qo::SavedStatusTable savedStatuses;
  std::int32_t lastStatus = 0;
  std::uint32_t jsonUserSettings = 0;
  qo::String walletId, walletPassword;
  double walletBalance = 0.0;
  qo::String walletCurrency;
  // The buddy's own.
  qo::String screenName, quickCode, addBuddyRequester, groupName;
  bool favorite = false, accepted = false;
  std::int32_t blii = 0, acceptStatus = 0, domain = 0;
  std::uint32_t toggleFlags = 0;
  std::int32_t logonStatus = 0;
  qo::StringList groupList, resourceList;
  double psmsRate = 0.0;
  qo::String psmsCurrency;
  std::int32_t presenceStatus = -1;
  qo::String presenceSource;
  std::int32_t presencePriority = -1;
  qo::String presenceStatusMessage;
};

void FillPlain(PlainBuddy& buddy, std::size_t i);

using PlainList = std::unordered_map<qo::String, std::unique_ptr<PlainBuddy>>;

// CPU time of the calling thread, in seconds: the manually timed workloads use it, as the
// report uses CPU time, which other people's load on the machine disturbs less than wall time.
double ThreadSeconds();

// Gives the allocator's free memory back to the system, so that a workload that allocates
// much starts from the same state whichever workload ran before it (the list's and the
// baseline's filled structures are built and dropped in turn).
void ReleaseFreeMemory();

// Bytes the allocator hands out at this moment (heap in use, mapped chunks included).
std::size_t HeapInUse();

// Records the number of operations one iteration makes: the report divides the iteration's
// real (or manually timed) time by it.
inline void SetOpsPerIteration(benchmark::State& state, double ops) {
  state.counters["ops"] = benchmark::Counter(ops);
}

// The keys 0..n-1 in a fixed shuffled order, so that lookups do not walk memory in order.
std::vector<std::size_t> ShuffledIndexes(std::size_t n);

}  // namespace bench
