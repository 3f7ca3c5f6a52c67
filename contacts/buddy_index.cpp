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

// Makes (or finds) the chains of a filing: the only step of filing that can fail, and then it
// leaves no chain made.
void BuddyIndex::MakeChains(Filing& filing) {
  filing.bliiChain = &byBlii_[filing.blii];
  if (!filing.hasAddress) return;
  try {
    filing.emailChain = &byEmail_[filing.emailHash];
  } catch (...) {
    if (filing.bliiChain->first == nullptr) byBlii_.erase(filing.blii);
    throw;
  }
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

template <class Chains, class Key>
void BuddyIndex::DropIfEmpty(Chains& chains, Key key) noexcept {
  auto chain = chains.find(key);
  if (chain != chains.end() && chain->second.first == nullptr) chains.erase(chain);
}

// Takes the entry off its chains, removing a chain that it leaves empty.
void BuddyIndex::LeaveChains(IndexEntry& entry) noexcept {
  auto blii = byBlii_.find(entry.blii_);
  Leave(blii->second, &IndexEntry::bliiPrev_, &IndexEntry::bliiNext_, entry);
  if (blii->second.first == nullptr) byBlii_.erase(blii);
  if (entry.hasAddress_) {
    auto email = byEmail_.find(entry.emailHash_);
    Leave(email->second, &IndexEntry::emailPrev_, &IndexEntry::emailNext_, entry);
    if (email->second.first == nullptr) byEmail_.erase(email);
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
  byEmail_.clear();
  byBlii_.clear();
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
    Leave(byBlii_.find(old.blii_)->second, &IndexEntry::bliiPrev_, &IndexEntry::bliiNext_, entry);
    if (old.hasAddress_) {
      Leave(byEmail_.find(old.emailHash_)->second, &IndexEntry::emailPrev_, &IndexEntry::emailNext_,
            entry);
    }
    Join(entry, filing);
    DropIfEmpty(byBlii_, old.blii_);
    if (old.hasAddress_) DropIfEmpty(byEmail_, old.emailHash_);
  } catch (...) {
    stale_ = true;
  }
}

IndexEntry* BuddyIndex::FirstWithEmail(const String& address) const {
  auto chain = byEmail_.find(std::hash<String>{}(address));
  if (chain == byEmail_.end()) return nullptr;
  for (IndexEntry* entry = chain->second.first; entry != nullptr; entry = entry->emailNext_) {
    if (EmailOf(*entry->buddy_) == address) return entry;
  }
  return nullptr;
}

IndexEntry* BuddyIndex::FirstWithBlii(std::int32_t blii) const {
  auto chain = byBlii_.find(blii);
  return chain == byBlii_.end() ? nullptr : chain->second.first;
}

}  // namespace qo
