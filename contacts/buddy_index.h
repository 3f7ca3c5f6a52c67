// The buddy list's indexes by e-mail address and by BLII, which answer exactly as a scan of the
// records in scan order would: the first record whose getEmail equals an address, the first
// whose getBlii equals a number.
//
// Invariants, while the indexes are built and not stale:
// - Every record of the list that is a plain CBuddyProfile has one IndexEntry, and the two are
//   linked both ways: the entry names the profile, the profile's link names the entry. Nothing
//   else links to an entry; a copy of the profile (assignment, Clone, Copy) has no link.
// - Such an entry is on the chain of its profile's getBlii, and, when its e-mail address has an
//   "@" after its first character (no other text is ever looked up as one), on the chain of
//   that address's hash. Every chain is in scan order (ascending place) and never empty.
// - A profile tells its entry at once when its e-mail address, domain code (which decides
//   getBlii) or BLII may have changed; the entry moves to its new chains then. A move that runs
//   out of memory marks the indexes stale instead of throwing: the list rebuilds them before
//   its next lookup.
// - Records of another implementation of IBuddyProfile, or of a class derived from ours, have
//   no entry; the list scans those at every lookup.
// - The indexes belong to one list; nothing is process-wide.
#pragma once

#include <cstddef>
#include <cstdint>

#include "contacts/flat_table.h"
#include "qodata/buddy_profile.h"
#include "qodata/types.h"

namespace qo {

class BuddyIndex;

// A record's place in the indexes. It lives beside the record in the list and never moves.
class IndexEntry {
 public:
  // Called by the profile after a change of an indexed field.
  void Changed() noexcept;

 private:
  friend class BuddyIndex;

  // Sets the profile's link (the profile keeps it out of its copies).
  static void Link(CUserProfile& profile, IndexEntry* entry) noexcept {
    profile.indexEntry_ = entry;
  }

  BuddyIndex* index_ = nullptr;
  CBuddyProfile* buddy_ = nullptr;  // null: not filed
  std::uint64_t place_ = 0;         // the record's place in scan order
  IndexEntry* emailPrev_ = nullptr;
  IndexEntry* emailNext_ = nullptr;
  IndexEntry* bliiPrev_ = nullptr;
  IndexEntry* bliiNext_ = nullptr;
  std::size_t emailHash_ = 0;
  std::int32_t blii_ = 0;
  bool hasAddress_ = false;
};

class BuddyIndex {
 public:
  BuddyIndex() = default;
  BuddyIndex(const BuddyIndex&) = delete;
  BuddyIndex& operator=(const BuddyIndex&) = delete;

  // The record a plain CBuddyProfile can be filed; null for anything else.
  static CBuddyProfile* Indexable(IBuddyProfile* record) noexcept;

  // Files a record at `place` in scan order and links it to the entry. Throws only before
  // anything changed (the chains are made first).
  void File(IndexEntry& entry, CBuddyProfile& buddy, std::uint64_t place);
  // Takes an entry off its chains and unlinks its profile; a no-op for an entry not filed.
  void Unfile(IndexEntry& entry) noexcept;
  // Forgets every chain; the entries must have been unfiled (or are being dropped).
  void Clear() noexcept;

  // The first filed record in scan order whose address (or getBlii) equals the argument.
  IndexEntry* FirstWithEmail(const String& address);
  IndexEntry* FirstWithBlii(std::int32_t blii);
  static std::uint64_t PlaceOf(const IndexEntry& entry) noexcept { return entry.place_; }
  static CBuddyProfile* BuddyOf(const IndexEntry& entry) noexcept { return entry.buddy_; }

  // Whether a change could not be filed: the list rebuilds the indexes before trusting them.
  bool Stale() const noexcept { return stale_; }

 private:
  friend class IndexEntry;
  // A chain: the key it files (an address hash or a BLII) and its two ends.
  struct Ends {
    std::uint64_t key = 0;
    IndexEntry* first = nullptr;
    IndexEntry* last = nullptr;
  };
  using Chains = FlatTable<Ends>;
  using Chain = IndexEntry* IndexEntry::*;

  struct Filing;

  static void Join(Ends& ends, Chain prev, Chain next, IndexEntry& entry) noexcept;
  static void Leave(Ends& ends, Chain prev, Chain next, IndexEntry& entry) noexcept;
  static Ends* FindChain(Chains& chains, std::uint64_t key) noexcept;
  static Ends& ChainFor(Chains& chains, std::uint64_t key) noexcept;  // room reserved
  static void DropIfEmpty(Chains& chains, std::uint64_t key) noexcept;
  static Filing Read(CBuddyProfile& buddy);
  void MakeChains(Filing& filing);
  static void Join(IndexEntry& entry, const Filing& filing) noexcept;
  void LeaveChains(IndexEntry& entry) noexcept;
  void Refile(IndexEntry& entry) noexcept;

  // Chains by the hash of the address (lookups compare the addresses) and by BLII, in flat
  // tables: filing a record allocates nothing but the tables' occasional growth.
  Chains byEmail_;
  Chains byBlii_;
  bool stale_ = false;
};

}  // namespace qo
