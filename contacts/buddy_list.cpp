#include "qodata/buddy_list.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#include <utility>

#include "contacts/indexed_fields.h"

namespace {

using HeldBuddy = qo::Held<IBuddyProfile>;

// The key a profile is filed under: the getQuilloID of its user-profile view, asked the way
// a caller across the library boundary would. False when the profile offers no such view.
bool KeyOf(IBuddyProfile* profile, qo::String& key) {
  void* view = nullptr;
  if (profile->GetDataInterface(CONTAINER_USER_PROFILE, &view) == 0 || view == nullptr) {
    return false;
  }
  auto holder = qo::Held<IUserProfile>::Adopt(static_cast<IUserProfile*>(view));
  key = holder->getQuilloID();
  return true;
}

// A list-owned copy of an interface profile (its Copy); empty when it gives none.
HeldBuddy CopyOf(IBuddyProfile* profile) { return HeldBuddy::Adopt(profile->Copy()); }

// A list-owned copy of a concrete profile, made by its assignment.
HeldBuddy CopyOf(const CBuddyProfile& profile) {
  auto copy = std::make_unique<CBuddyProfile>();
  *copy = profile;
  return HeldBuddy::Adopt(copy.release());
}

// Only a text with an "@" after its first character is ever looked up as an e-mail address,
// so only such addresses are indexed.
bool ShapedLikeAddress(const qo::String& text) {
  const auto at = text.find(u'@');
  return at != qo::String::npos && at > 0;
}

// A record whose e-mail address, domain code and BLII only this library's setters can change,
// and which they report (contacts/indexed_fields.h): a plain CBuddyProfile. Null for anything
// else (another implementation of IBuddyProfile, or a class derived from ours that may answer
// getEmail or getBlii its own way); such records are scanned at every lookup instead.
CBuddyProfile* Indexable(IBuddyProfile* record) {
  if (typeid(*record) != typeid(CBuddyProfile)) return nullptr;
  return static_cast<CBuddyProfile*>(record);
}

}  // namespace

// --- The table ----------------------------------------------------------------------------

class CBuddyList::Table {
 public:
  struct Entry;
  using Slot = std::pair<const qo::String, Entry>;

  // Entries are threaded on three chains, each in scan order: all records, and the records
  // filed under one e-mail address hash or one BLII. The links live in the entries, so filing
  // a record allocates nothing beyond the map nodes.
  struct Link {
    Slot* prev = nullptr;
    Slot* next = nullptr;
  };
  struct Ends {
    Slot* first = nullptr;
    Slot* last = nullptr;
  };

  struct Entry {
    HeldBuddy record;
    std::uint64_t place = 0;           // grows with every store: the scan order
    CBuddyProfile* indexed = nullptr;  // null: not indexed, scanned at every lookup
    Link order;
    Link email;                        // used only when hasAddress
    Link blii;                         // used only when indexed
    std::size_t emailHash = 0;
    std::int32_t bliiValue = 0;
    bool hasAddress = false;
  };

  using Records = std::unordered_map<qo::String, Entry>;
  static_assert(std::is_same_v<Records::value_type, Slot>);
  // Addresses are filed by their hash: a chain may hold records of several addresses with one
  // hash, and lookups compare the addresses themselves.
  using EmailIndex = std::unordered_map<std::size_t, Ends>;
  using BliiIndex = std::unordered_map<std::int32_t, Ends>;

  Table() = default;
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;
  ~Table() { Clear(); }

  std::size_t Size() const noexcept { return records_.size(); }

  // Calls visit(slot) for every record in scan order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const Slot* slot = order_.first; slot != nullptr; slot = slot->second.order.next) {
      visit(*slot);
    }
  }

  IBuddyProfile* Find(const qo::String& key) {
    auto entry = records_.find(key);
    return entry == records_.end() ? nullptr : entry->second.record.get();
  }

  // Stores `copy` under the key, in the last place. Everything that can fail (the map nodes)
  // comes first; a failure leaves the table as it was. The old record (if any) is released
  // after the new one is in place.
  void Store(qo::String key, HeldBuddy copy) {
    auto [at, inserted] = records_.try_emplace(std::move(key));
    Slot& slot = *at;
    Filing filing;
    try {
      filing = Prepare(copy.get());
    } catch (...) {
      if (inserted) records_.erase(at);
      throw;
    }
    Entry& entry = slot.second;
    Entry old;
    if (!inserted) {
      Unthread(slot);
      old.record = std::move(entry.record);
      old.indexed = entry.indexed;
      old.hasAddress = entry.hasAddress;
      old.emailHash = entry.emailHash;
      old.bliiValue = entry.bliiValue;
    }
    entry.record = std::move(copy);
    entry.place = nextPlace_++;
    Thread(slot, filing);
    if (!inserted) DropEmptyChains(old);
  }  // `old.record` is released here

  bool Remove(const qo::String& key) {
    auto at = records_.find(key);
    if (at == records_.end()) return false;
    Erase(at);
    return true;
  }

  void Remove(Slot* slot) { Erase(records_.find(slot->first)); }

  // The first record in scan order whose getEmail equals the address exactly.
  Slot* FirstWithEmail(const qo::String& address) {
    StartIndexing();
    Refresh();
    Slot* found = nullptr;
    auto chain = emailIndex_.find(std::hash<qo::String>{}(address));
    if (chain != emailIndex_.end()) {
      for (Slot* slot = chain->second.first; slot != nullptr; slot = slot->second.email.next) {
        if (qo::IndexedFields::Email(*slot->second.indexed) == address) {
          found = slot;
          break;
        }
      }
    }
    ScanUnindexed(found, [&](IBuddyProfile* record) { return record->getEmail() == address; });
    return found;
  }

  // The first record in scan order whose getBlii equals `blii`. With `confirm`, a record
  // before it that does not confirm it is a buddy profile (type code 2) ends the search: null.
  Slot* FirstWithBlii(std::int32_t blii, bool confirm) {
    StartIndexing();
    Refresh();
    Slot* found = nullptr;
    auto chain = bliiIndex_.find(blii);
    if (chain != bliiIndex_.end()) found = chain->second.first;
    bool refused = false;
    ScanUnindexed(found, [&](IBuddyProfile* record) {
      if (confirm && !ConfirmsBuddy(record)) return refused = true;
      return record->getBlii() == blii;
    });
    return refused ? nullptr : found;
  }

  // Releases every record; the table is emptied before any record is released.
  void Clear() noexcept {
    ForEach([](const Slot& slot) {
      if (CBuddyProfile* indexed = slot.second.indexed) qo::IndexedFields::Unwatch(*indexed);
    });
    emailIndex_.clear();
    bliiIndex_.clear();
    order_ = Ends();
    unindexed_ = 0;
    Records dropped;
    dropped.swap(records_);
  }

 private:
  // Where a record is to be filed: its chains, made (as empty chains) before anything changes.
  struct Filing {
    CBuddyProfile* indexed = nullptr;
    Ends* email = nullptr;  // null: no address shaped like one
    std::size_t emailHash = 0;
    Ends* blii = nullptr;
    std::int32_t bliiValue = 0;
  };

  static bool ConfirmsBuddy(IBuddyProfile* record) {
    void* buddy = nullptr;
    if (record->GetDataInterface(CONTAINER_BUDDY_PROFILE, &buddy) == 0) return false;
    static_cast<IBuddyProfile*>(buddy)->Release();
    return true;
  }

  // --- Chains -----------------------------------------------------------------------------

  // Puts the slot on a chain at its place in scan order: usually the end, as places grow with
  // every store; a record re-filed after a change walks back to its place.
  static void Join(Ends& ends, Link Entry::*link, Slot& slot) noexcept {
    Slot* after = ends.last;
    while (after != nullptr && after->second.place > slot.second.place) {
      after = (after->second.*link).prev;
    }
    Slot* before = after != nullptr ? (after->second.*link).next : ends.first;
    (slot.second.*link) = Link{after, before};
    (after != nullptr ? (after->second.*link).next : ends.first) = &slot;
    (before != nullptr ? (before->second.*link).prev : ends.last) = &slot;
  }

  static void Leave(Ends& ends, Link Entry::*link, Slot& slot) noexcept {
    Link& mine = slot.second.*link;
    (mine.prev != nullptr ? (mine.prev->second.*link).next : ends.first) = mine.next;
    (mine.next != nullptr ? (mine.next->second.*link).prev : ends.last) = mine.prev;
    mine = Link();
  }

  // Makes (or finds) the chains a record is to be filed on; the only part of filing that can
  // fail. A chain made here and not used is removed again by DropEmptyChains.
  // Before the indexes exist nothing is made.
  Filing Prepare(IBuddyProfile* record) {
    Filing filing;
    if (!indexing_) return filing;
    CBuddyProfile* buddy = Indexable(record);
    if (buddy == nullptr) return filing;
    const qo::String& email = qo::IndexedFields::Email(*buddy);
    const bool hasAddress = ShapedLikeAddress(email);
    filing.emailHash = hasAddress ? std::hash<qo::String>{}(email) : 0;
    filing.bliiValue = buddy->getBlii();
    if (hasAddress) filing.email = &emailIndex_[filing.emailHash];
    try {
      filing.blii = &bliiIndex_[filing.bliiValue];
    } catch (...) {
      if (filing.email != nullptr && filing.email->first == nullptr) emailIndex_.erase(filing.emailHash);
      throw;
    }
    filing.indexed = buddy;
    return filing;
  }

  // Files a slot on its chains (cannot fail).
  void Thread(Slot& slot, const Filing& filing) noexcept {
    Join(order_, &Entry::order, slot);
    ThreadIndexed(slot, filing);
  }

  void ThreadIndexed(Slot& slot, const Filing& filing) noexcept {
    if (!indexing_) return;
    Entry& entry = slot.second;
    entry.indexed = filing.indexed;
    entry.hasAddress = filing.email != nullptr;
    entry.emailHash = filing.emailHash;
    entry.bliiValue = filing.bliiValue;
    if (filing.email != nullptr) Join(*filing.email, &Entry::email, slot);
    if (filing.blii != nullptr) Join(*filing.blii, &Entry::blii, slot);
    if (filing.indexed != nullptr) {
      qo::IndexedFields::Watch(*filing.indexed);
    } else {
      ++unindexed_;
    }
  }

  // Takes a slot off its chains, leaving chains that became empty for DropEmptyChains.
  void Unthread(Slot& slot) noexcept {
    Entry& entry = slot.second;
    Leave(order_, &Entry::order, slot);
    if (entry.hasAddress) Leave(emailIndex_.find(entry.emailHash)->second, &Entry::email, slot);
    if (entry.indexed != nullptr) {
      Leave(bliiIndex_.find(entry.bliiValue)->second, &Entry::blii, slot);
      qo::IndexedFields::Unwatch(*entry.indexed);
    } else if (indexing_) {
      --unindexed_;
    }
  }

  // Removes the chains that the entry was filed on if they are now empty.
  void DropEmptyChains(const Entry& entry) noexcept {
    if (entry.hasAddress) DropIfEmpty(emailIndex_, entry.emailHash);
    if (entry.indexed != nullptr) DropIfEmpty(bliiIndex_, entry.bliiValue);
  }

  template <class Index>
  static void DropIfEmpty(Index& index, typename Index::key_type key) noexcept {
    auto at = index.find(key);
    if (at != index.end() && at->second.first == nullptr) index.erase(at);
  }

  void Erase(Records::iterator at) {
    HeldBuddy removed = std::move(at->second.record);  // released after the entry is gone
    Unthread(*at);
    DropEmptyChains(at->second);
    records_.erase(at);
  }

  // --- Lookups ----------------------------------------------------------------------------

  // Looks at the records that are not indexed and come before `found` in scan order (all of
  // them when nothing was found); the first for which `matches` is true becomes `found`.
  template <class Matches>
  void ScanUnindexed(Slot*& found, Matches matches) {
    if (unindexed_ == 0) return;
    const std::uint64_t limit = found != nullptr ? found->second.place : nextPlace_;
    for (Slot* slot = order_.first; slot != nullptr && slot->second.place < limit;
         slot = slot->second.order.next) {
      if (slot->second.indexed == nullptr && matches(slot->second.record.get())) {
        found = slot;
        return;
      }
    }
  }

  // The indexes are built at the first lookup by e-mail address or BLII, from the records as
  // they are then, and kept from then on: a list that is never searched that way (most are
  // filled and read by key) pays nothing for them. A failure leaves the list without indexes.
  void StartIndexing() {
    if (indexing_) return;
    seenEdits_ = qo::indexedEdits.load(std::memory_order_relaxed);
    indexing_ = true;
    try {
      for (Slot* slot = order_.first; slot != nullptr; slot = slot->second.order.next) {
        ThreadIndexed(*slot, Prepare(slot->second.record.get()));
      }
    } catch (...) {
      StopIndexing();
      throw;
    }
  }

  void StopIndexing() noexcept {
    for (Slot* slot = order_.first; slot != nullptr; slot = slot->second.order.next) {
      Entry& entry = slot->second;
      if (entry.indexed != nullptr) qo::IndexedFields::Unwatch(*entry.indexed);
      entry.indexed = nullptr;
      entry.hasAddress = false;
      entry.email = entry.blii = Link();
    }
    emailIndex_.clear();
    bliiIndex_.clear();
    unindexed_ = 0;
    indexing_ = false;
  }

  // Re-files every record whose indexed fields changed since the last look, if any watched
  // profile reported a change since then.
  void Refresh() {
    const std::uint64_t edits = qo::indexedEdits.load(std::memory_order_relaxed);
    if (edits == seenEdits_) return;
    for (Slot* slot = order_.first; slot != nullptr; slot = slot->second.order.next) {
      CBuddyProfile* indexed = slot->second.indexed;
      if (indexed == nullptr || !qo::IndexedFields::TakeChanged(*indexed)) continue;
      try {
        Refile(*slot);
      } catch (...) {
        qo::IndexedFields::MarkChanged(*indexed);  // tried again at the next lookup
        throw;
      }
    }
    seenEdits_ = edits;
  }

  // Moves a record to the chains of its current address and BLII, keeping its place. A record
  // joining a long chain walks back from its end to its place.
  void Refile(Slot& slot) {
    Entry& entry = slot.second;
    const Filing filing = Prepare(entry.record.get());  // may fail: nothing changed yet
    const bool hasAddress = filing.email != nullptr;
    const bool emailMoves =
        hasAddress != entry.hasAddress || (hasAddress && filing.emailHash != entry.emailHash);
    const bool bliiMoves = filing.bliiValue != entry.bliiValue;
    Entry old;
    old.indexed = entry.indexed;
    old.hasAddress = entry.hasAddress && emailMoves;
    old.emailHash = entry.emailHash;
    old.bliiValue = entry.bliiValue;
    if (emailMoves) {
      if (entry.hasAddress) Leave(emailIndex_.find(entry.emailHash)->second, &Entry::email, slot);
      entry.hasAddress = hasAddress;
      entry.emailHash = filing.emailHash;
      if (hasAddress) Join(*filing.email, &Entry::email, slot);
    }
    if (bliiMoves) {
      Leave(bliiIndex_.find(entry.bliiValue)->second, &Entry::blii, slot);
      entry.bliiValue = filing.bliiValue;
      Join(*filing.blii, &Entry::blii, slot);
    }
    DropEmptyChains(old);
  }

  Records records_;
  Ends order_;
  EmailIndex emailIndex_;
  BliiIndex bliiIndex_;
  bool indexing_ = false;        // whether the indexes exist (see StartIndexing)
  std::size_t unindexed_ = 0;    // records left out of the indexes, once they exist
  std::uint64_t nextPlace_ = 0;  // the place of the next record stored
  // qo::indexedEdits when the indexes were last refreshed; records filed later are filed as
  // they are then, so changes counted before the table existed do not concern it.
  std::uint64_t seenEdits_ = qo::indexedEdits.load(std::memory_order_relaxed);
};

// --- The list -----------------------------------------------------------------------------

namespace {

// Appends the copies that `make` gives for the chosen records, in scan order; on a throw, the
// copies this call appended are released and `out` is as it was.
template <class Table, class Element, class Choose, class Make>
std::int32_t AppendCopies(const Table& table, std::vector<Element*>& out, Choose choose,
                          Make make) {
  const std::size_t before = out.size();
  try {
    out.reserve(before + table.Size());
    table.ForEach([&](const auto& slot) {
      IBuddyProfile* record = slot.second.record.get();
      if (!choose(record)) return;
      if (Element* copy = make(record)) out.push_back(copy);  // reserved: cannot throw
    });
  } catch (...) {
    for (std::size_t i = before; i < out.size(); ++i) out[i]->Release();
    out.resize(before);
    throw;
  }
  return static_cast<std::int32_t>(out.size() - before);
}

}  // namespace

CBuddyList::CBuddyList() : table_(std::make_unique<Table>()) {}

CBuddyList::CBuddyList(const CBuddyList& other) : Container(other), table_(std::make_unique<Table>()) {
  *this = other;
}

CBuddyList::~CBuddyList() = default;

// Every copy is taken, in the source's scan order, before any record of this list is
// dropped: a failed copy leaves the list unchanged, and self-assignment keeps equal copies.
// Our decision: a record whose Copy gives null (only a derived buddy class can) is left out of
// the copy, as addBuddyRecord refuses such a profile and getList hands out no copy of it.
CBuddyList& CBuddyList::operator=(const CBuddyList& other) {
  auto copies = std::make_unique<Table>();
  other.table_->ForEach([&](const Table::Slot& slot) {
    HeldBuddy copy = CopyOf(slot.second.record.get());
    if (copy) copies->Store(slot.first, std::move(copy));
  });
  table_.swap(copies);
  return *this;
}

CBuddyList& CBuddyList::operator&(const CBuddyList& other) { return *this = other; }

// --- IBuddyList -------------------------------------------------------------------------------

void CBuddyList::clearList() { table_->Clear(); }

void CBuddyList::clearCopyOfList(std::vector<IBuddyProfile*>& copies) {
  for (IBuddyProfile* copy : copies) {
    if (copy != nullptr) copy->Release();
  }
  copies.clear();
}

std::int32_t CBuddyList::size() { return static_cast<std::int32_t>(table_->Size()); }

// Our decision: the arguments of sort and search mean nothing; they keep their slots only.
std::int32_t CBuddyList::sort(std::int32_t, bool) { return 0; }

std::int32_t CBuddyList::search(qo::String, qo::String, std::int32_t, tagGENDER,
                                std::vector<IBuddyProfile*>&) {
  return 0;
}

std::int32_t CBuddyList::getList(std::vector<IBuddyProfile*>& copies) {
  return AppendCopies(
      *table_, copies, [](IBuddyProfile*) { return true; },
      [](IBuddyProfile* record) { return record->Copy(); });
}

std::int32_t CBuddyList::GetList(qo::String group, std::vector<IBuddyProfile*>& copies) {
  return AppendCopies(
      *table_, copies,
      [&](IBuddyProfile* record) { return record->GetGroupName() == group; },
      [](IBuddyProfile* record) { return record->Copy(); });
}

std::int32_t CBuddyList::addBuddyRecord(IBuddyProfile* profile) {
  qo::String key;
  if (profile == nullptr || !KeyOf(profile, key)) return 0;
  HeldBuddy copy = CopyOf(profile);
  if (!copy) return 0;
  table_->Store(std::move(key), std::move(copy));
  return 1;
}

std::int32_t CBuddyList::removeBuddyRecord(std::int32_t blii) {
  Table::Slot* slot = table_->FirstWithBlii(blii, false);
  if (slot == nullptr) return 0;
  table_->Remove(slot);
  return 1;
}

std::int32_t CBuddyList::removeBuddyRecord(qo::String key) { return table_->Remove(key) ? 1 : 0; }

std::int32_t CBuddyList::updateBuddyRecord(qo::String key, IBuddyProfile* profile) {
  if (profile == nullptr || table_->Find(key) == nullptr) return 0;
  HeldBuddy copy = CopyOf(profile);  // before the old record goes: it may be `profile` itself
  if (!copy) return 0;
  table_->Store(std::move(key), std::move(copy));
  return 1;
}

// Our decision: the update with two profiles keeps its slot only; it answers 0 and leaves the
// list as it was, whether or not the old profile's key is there (the class update stores).
std::int32_t CBuddyList::updateBuddyRecord(IBuddyProfile*, IBuddyProfile*) { return 0; }

// A record that does not confirm it is a buddy profile ends the search with null.
IBuddyProfile* CBuddyList::getBuddyProfileRecord(std::int32_t blii) {
  Table::Slot* slot = table_->FirstWithBlii(blii, true);
  return slot == nullptr ? nullptr : slot->second.record.get();
}

IBuddyProfile* CBuddyList::getBuddyProfileRecord(qo::String key) {
  if (IBuddyProfile* record = table_->Find(key)) return record;
  // The e-mail fallback, only for a text shaped like an address: an "@" that is not its first
  // character. Addresses compare exactly, letter case included.
  if (!ShapedLikeAddress(key)) return nullptr;
  Table::Slot* slot = table_->FirstWithEmail(key);
  return slot == nullptr ? nullptr : slot->second.record.get();
}

// --- Class operations ------------------------------------------------------------------------

void CBuddyList::addBuddyRecord(CBuddyProfile profile) {
  table_->Store(profile.getQuilloID(), CopyOf(profile));
}

void CBuddyList::updateBuddyRecord(CBuddyProfile oldProfile, CBuddyProfile newProfile) {
  table_->Store(oldProfile.getQuilloID(), CopyOf(newProfile));
}

void CBuddyList::updateBuddyRecord(qo::String key, CBuddyProfile profile) {
  table_->Store(std::move(key), CopyOf(profile));
}

CBuddyProfile* CBuddyList::getBuddyRecord(qo::String key) {
  return dynamic_cast<CBuddyProfile*>(table_->Find(key));
}

CBuddyProfile* CBuddyList::getBuddyRecord(std::int32_t blii) {
  Table::Slot* slot = table_->FirstWithBlii(blii, false);
  return slot == nullptr ? nullptr : dynamic_cast<CBuddyProfile*>(slot->second.record.get());
}

std::int32_t CBuddyList::getList(std::vector<CBuddyProfile*>& copies) {
  return AppendCopies(
      *table_, copies,
      [](IBuddyProfile* record) { return dynamic_cast<CBuddyProfile*>(record) != nullptr; },
      [](IBuddyProfile* record) {
        auto copy = std::make_unique<CBuddyProfile>();
        *copy = *dynamic_cast<CBuddyProfile*>(record);
        return copy.release();
      });
}

// Our decision: each copy gets Release rather than delete, so that a copy the caller shared
// meanwhile stays alive for its other holders; a copy nobody else holds is destroyed.
void CBuddyList::clearCopyOfList(std::vector<CBuddyProfile*>& copies) {
  for (CBuddyProfile* copy : copies) {
    if (copy != nullptr) copy->Release();
  }
  copies.clear();
}

std::int32_t CBuddyList::search(qo::String, qo::String, std::int32_t, tagGENDER,
                                std::vector<CBuddyProfile>&) {
  return 0;
}
