#include "contacts/buddy_index.h"

#include <functional>
#include <typeinfo>

namespace qo {
namespace {

// Only a text with an "@" after its first character is ever looked up as an e-mail address,
// so only such addresses are filed.
bool ShapedLikeAddress(const String& text) {
  const auto at = text.find(u'@');
  return at != String::npos && at > 0;
}

const String& EmailOf(const CBuddyProfile& buddy) noexcept { return buddy.fields().shared.email; }

// getBlii of our own class, called without the virtual dispatch a derived class could change.
std::int32_t BliiOf(CBuddyProfile& buddy) { return buddy.CBuddyProfile::getBlii(); }

std::uint64_t BliiKey(std::int32_t blii) { return static_cast<std::uint32_t>(blii); }

}  // namespace

void IndexEntry::Changed() noexcept {
  if (index_ != nullptr) index_->Refile(*this);
}

// A class derived from ours may answer getEmail or getBlii its own way: only ours is filed.
CBuddyProfile* BuddyIndex::Indexable(IBuddyProfile* record) noexcept {
  if (record == nullptr || typeid(*record) != typeid(CBuddyProfile)) return nullptr;
  return static_cast<CBuddyProfile*>(record);
}

// Puts the entry on a chain at its place: usually the end, as places grow with every store; an
// entry moved after a change walks back to its place.
void BuddyIndex::Join(Ends& ends, Chain prev, Chain next, IndexEntry& entry) noexcept {
  IndexEntry* after = ends.last;
  while (after != nullptr && after->place_ > entry.place_) after = after->*prev;
  IndexEntry* before = after != nullptr ? after->*next : ends.first;
  entry.*prev = after;
  entry.*next = before;
  (after != nullptr ? after->*next : ends.first) = &entry;
  (before != nullptr ? before->*prev : ends.last) = &entry;
}

void BuddyIndex::Leave(Ends& ends, Chain prev, Chain next, IndexEntry& entry) noexcept {
  (entry.*prev != nullptr ? (entry.*prev)->*next : ends.first) = entry.*next;
  (entry.*next != nullptr ? (entry.*next)->*prev : ends.last) = entry.*prev;
  entry.*prev = entry.*next = nullptr;
}

// Where a record is filed, read from its profile.
struct BuddyIndex::Filing {
  std::int32_t blii;
  bool hasAddress;
  std::size_t emailHash;
  Ends* bliiChain = nullptr;
  Ends* emailChain = nullptr;
};

BuddyIndex::Filing BuddyIndex::Read(CBuddyProfile& buddy) {
  const String& email = EmailOf(buddy);
  const bool hasAddress = ShapedLikeAddress(email);
  return Filing{BliiOf(buddy), hasAddress, hasAddress ? std::hash<String>{}(email) : 0};
}

BuddyIndex::Ends* BuddyIndex::FindChain(Chains& chains, std::uint64_t key) noexcept {
  return chains.Find(key, [&](const Ends& ends) { return ends.key == key; });
}

BuddyIndex::Ends& BuddyIndex::ChainFor(Chains& chains, std::uint64_t key) noexcept {
  if (Ends* ends = FindChain(chains, key)) return *ends;
  return chains.Insert(key, Ends{key});
}

// Makes (or finds) the chains of a filing. Only the room is allocated, and it is allocated
// first: a failure leaves no chain made.
void BuddyIndex::MakeChains(Filing& filing) {
  byBlii_.Reserve(1);
  if (filing.hasAddress) byEmail_.Reserve(1);
  filing.bliiChain = &ChainFor(byBlii_, BliiKey(filing.blii));
  if (filing.hasAddress) filing.emailChain = &ChainFor(byEmail_, filing.emailHash);
}

void BuddyIndex::Join(IndexEntry& entry, const Filing& filing) noexcept {
  entry.blii_ = filing.blii;
  entry.hasAddress_ = filing.hasAddress;
  entry.emailHash_ = filing.emailHash;
  Join(*filing.bliiChain, &IndexEntry::bliiPrev_, &IndexEntry::bliiNext_, entry);
  if (filing.hasAddress) {
    Join(*filing.emailChain, &IndexEntry::emailPrev_, &IndexEntry::emailNext_, entry);
  }
}

void BuddyIndex::DropIfEmpty(Chains& chains, std::uint64_t key) noexcept {
  Ends* chain = FindChain(chains, key);
  if (chain != nullptr && chain->first == nullptr) chains.Erase(chain);
}

// Takes the entry off its chains, removing a chain that it leaves empty.
void BuddyIndex::LeaveChains(IndexEntry& entry) noexcept {
  Ends* blii = FindChain(byBlii_, BliiKey(entry.blii_));
  Leave(*blii, &IndexEntry::bliiPrev_, &IndexEntry::bliiNext_, entry);
  if (blii->first == nullptr) byBlii_.Erase(blii);
  if (entry.hasAddress_) {
    Ends* email = FindChain(byEmail_, entry.emailHash_);
    Leave(*email, &IndexEntry::emailPrev_, &IndexEntry::emailNext_, entry);
    if (email->first == nullptr) byEmail_.Erase(email);
  }
}

void BuddyIndex::File(IndexEntry& entry, CBuddyProfile& buddy, std::uint64_t place) {
  Filing filing = Read(buddy);
  MakeChains(filing);
  entry.index_ = this;
  entry.buddy_ = &buddy;
  entry.place_ = place;
  Join(entry, filing);
  IndexEntry::Link(buddy, &entry);
}

void BuddyIndex::Unfile(IndexEntry& entry) noexcept {
  if (entry.buddy_ == nullptr) return;
  LeaveChains(entry);
  IndexEntry::Link(*entry.buddy_, nullptr);
  entry.buddy_ = nullptr;
  entry.index_ = nullptr;
}

void BuddyIndex::Clear() noexcept {
  byEmail_.Clear();
  byBlii_.Clear();
  stale_ = false;
}

// Moves the entry to the chains of its profile's current address and BLII, keeping its place.
void BuddyIndex::Refile(IndexEntry& entry) noexcept {
  if (stale_) return;  // rebuilt from the records before the next lookup anyway
  try {
    Filing filing = Read(*entry.buddy_);
    if (filing.blii == entry.blii_ && filing.hasAddress == entry.hasAddress_ &&
        filing.emailHash == entry.emailHash_) {
      return;  // still on the right chains
    }
    // The new chains are made first; old ones are removed only once the entry is on its new
    // ones, so that a chain it stays on is never removed.
    MakeChains(filing);
    const IndexEntry old = entry;
    Leave(*FindChain(byBlii_, BliiKey(old.blii_)), &IndexEntry::bliiPrev_, &IndexEntry::bliiNext_,
          entry);
    if (old.hasAddress_) {
      Leave(*FindChain(byEmail_, old.emailHash_), &IndexEntry::emailPrev_, &IndexEntry::emailNext_,
            entry);
    }
    Join(entry, filing);
    DropIfEmpty(byBlii_, BliiKey(old.blii_));
    if (old.hasAddress_) DropIfEmpty(byEmail_, old.emailHash_);
  } catch (...) {
    stale_ = true;
  }
}

IndexEntry* BuddyIndex::FirstWithEmail(const String& address) {
  const Ends* chain = FindChain(byEmail_, std::hash<String>{}(address));
  if (chain == nullptr) return nullptr;
  for (IndexEntry* entry = chain->first; entry != nullptr; entry = entry->emailNext_) {
    if (EmailOf(*entry->buddy_) == address) return entry;
  }
  return nullptr;
}

IndexEntry* BuddyIndex::FirstWithBlii(std::int32_t blii) {
  const Ends* chain = FindChain(byBlii_, BliiKey(blii));
  return chain == nullptr ? nullptr : chain->first;
}

}  // namespace qo
