#include "qodata/buddy_list.h"

#include <memory>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#include <utility>

#include "contacts/buddy_index.h"

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

// Only a text with an "@" after its first character is ever looked up as an e-mail address.
bool ShapedLikeAddress(const qo::String& text) {
  const auto at = text.find(u'@');
  return at != qo::String::npos && at > 0;
}

}  // namespace

// --- The table ----------------------------------------------------------------------------

// The records by key, their scan order (a chain through the entries, in the order in which
// they were stored) and the indexes by e-mail address and BLII (contacts/buddy_index.h).
class CBuddyList::Table {
 public:
  struct Entry;
  using Slot = std::pair<const qo::String, Entry>;
  // The index entry is the base, so that an entry the index finds leads back to its slot.
  struct Entry : qo::IndexEntry {
    Slot* self = nullptr;
    HeldBuddy record;
    std::uint64_t place = 0;  // grows with every store: the scan order
    Slot* prev = nullptr;     // the scan-order chain
    Slot* next = nullptr;
    bool indexed = false;  // filed: only while the indexes exist, and only a record of ours
  };
  using Records = std::unordered_map<qo::String, Entry>;
  static_assert(std::is_same_v<Records::value_type, Slot>);

  Table() = default;
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;
  ~Table() { Clear(); }

  std::size_t Size() const noexcept { return records_.size(); }

  // Calls visit(slot) for every record in scan order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const Slot* slot = first_; slot != nullptr; slot = slot->second.next) visit(*slot);
  }

  IBuddyProfile* Find(const qo::String& key) {
    auto entry = records_.find(key);
    return entry == records_.end() ? nullptr : entry->second.record.get();
  }

  // Stores `copy` under the key, in the last place. Everything that can fail (the map node,
  // the index chains) comes first; a failure leaves the table as it was. The old record (if
  // any) is released after the new one is in place.
  void Store(qo::String key, HeldBuddy copy) {
    auto [at, inserted] = records_.try_emplace(std::move(key));
    Slot& slot = *at;
    Entry& entry = slot.second;
    entry.self = &slot;
    if (!inserted) Unindex(entry);
    try {
      Index(entry, copy.get(), nextPlace_);
    } catch (...) {
      if (inserted) {
        records_.erase(at);
      } else {
        try {  // the old record back in the indexes, or else scanned at every lookup
          Index(entry, entry.record.get(), entry.place);
        } catch (...) {
          ++unindexed_;
        }
      }
      throw;
    }
    HeldBuddy old = std::move(entry.record);
    entry.record = std::move(copy);
    entry.place = nextPlace_++;
    if (!inserted) Unchain(slot);
    Chain(slot);
  }  // `old` is released here

  bool Remove(const qo::String& key) {
    auto at = records_.find(key);
    if (at == records_.end()) return false;
    Erase(at);
    return true;
  }
  void Remove(Slot* slot) { Erase(records_.find(slot->first)); }

  // The first record in scan order whose getEmail equals the address exactly.
  Slot* FirstWithEmail(const qo::String& address) {
    Ready();
    Slot* found = SlotOf(index_.FirstWithEmail(address));
    ScanUnindexed(found, [&](IBuddyProfile* record) { return record->getEmail() == address; });
    return found;
  }

  // The first record in scan order whose getBlii equals `blii`. With `confirm`, a record
  // before it that does not confirm it is a buddy profile (type code 2) ends the search: null.
  Slot* FirstWithBlii(std::int32_t blii, bool confirm) {
    Ready();
    Slot* found = SlotOf(index_.FirstWithBlii(blii));
    bool refused = false;
    ScanUnindexed(found, [&](IBuddyProfile* record) {
      if (confirm && !ConfirmsBuddy(record)) return refused = true;
      return record->getBlii() == blii;
    });
    return refused ? nullptr : found;
  }

  // Releases every record; the table is emptied before any record is released.
  void Clear() noexcept {
    StopIndexing();
    first_ = last_ = nullptr;
    Records dropped;
    dropped.swap(records_);
  }

 private:
  static bool ConfirmsBuddy(IBuddyProfile* record) {
    void* buddy = nullptr;
    if (record->GetDataInterface(CONTAINER_BUDDY_PROFILE, &buddy) == 0) return false;
    static_cast<IBuddyProfile*>(buddy)->Release();
    return true;
  }

  // The slot of an index entry: entries live inside the slots.
  static Slot* SlotOf(qo::IndexEntry* index) noexcept {
    return index == nullptr ? nullptr : static_cast<Entry*>(index)->self;
  }

  void Chain(Slot& slot) noexcept {
    slot.second.prev = last_;
    slot.second.next = nullptr;
    (last_ != nullptr ? last_->second.next : first_) = &slot;
    last_ = &slot;
  }
  void Unchain(Slot& slot) noexcept {
    Entry& entry = slot.second;
    (entry.prev != nullptr ? entry.prev->second.next : first_) = entry.next;
    (entry.next != nullptr ? entry.next->second.prev : last_) = entry.prev;
    entry.prev = entry.next = nullptr;
  }

  // Files a record in the indexes, when they exist; counts it when it cannot be filed.
  void Index(Entry& entry, IBuddyProfile* record, std::uint64_t place) {
    if (!indexing_) return;
    if (CBuddyProfile* buddy = qo::BuddyIndex::Indexable(record)) {
      index_.File(entry, *buddy, place);
      entry.indexed = true;
    } else {
      ++unindexed_;
    }
  }
  void Unindex(Entry& entry) noexcept {
    if (!indexing_) return;
    if (entry.indexed) {
      index_.Unfile(entry);
      entry.indexed = false;
    } else {
      --unindexed_;
    }
  }

  void Erase(Records::iterator at) {
    HeldBuddy removed = std::move(at->second.record);  // released after the entry is gone
    Unindex(at->second);
    Unchain(*at);
    records_.erase(at);
  }

  // The indexes are built at the first lookup by e-mail address or BLII, from the records as
  // they are then, and kept from then on: a list that is never searched that way (most are
  // filled and read by key) pays nothing for them. They are built again when a change could
  // not be moved. A failure leaves the list without indexes.
  void Ready() {
    if (indexing_ && !index_.Stale()) return;
    StopIndexing();
    indexing_ = true;
    try {
      for (Slot* slot = first_; slot != nullptr; slot = slot->second.next)
        Index(slot->second, slot->second.record.get(), slot->second.place);
    } catch (...) {
      StopIndexing();
      throw;
    }
  }

  void StopIndexing() noexcept {
    if (!indexing_) return;
    for (Slot* slot = first_; slot != nullptr; slot = slot->second.next) {
      if (slot->second.indexed) {
        index_.Unfile(slot->second);
        slot->second.indexed = false;
      }
    }
    index_.Clear();
    unindexed_ = 0;
    indexing_ = false;
  }

  // Looks at the records that are not indexed and come before `found` in scan order (all of
  // them when nothing was found); the first for which `matches` is true becomes `found`.
  template <class Matches>
  void ScanUnindexed(Slot*& found, Matches matches) {
    if (unindexed_ == 0) return;
    const std::uint64_t limit = found != nullptr ? found->second.place : nextPlace_;
    for (Slot* slot = first_; slot != nullptr && slot->second.place < limit;
         slot = slot->second.next) {
      if (!slot->second.indexed && matches(slot->second.record.get())) {
        found = slot;
        return;
      }
    }
  }

  Records records_;
  Slot* first_ = nullptr;
  Slot* last_ = nullptr;
  qo::BuddyIndex index_;
  bool indexing_ = false;        // whether the indexes exist (see Ready)
  std::size_t unindexed_ = 0;    // records left out of the indexes, once they exist
  std::uint64_t nextPlace_ = 0;  // the place of the next record stored
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

CBuddyList::CBuddyList(const CBuddyList& other)
    : Container(other), table_(std::make_unique<Table>()) {
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
      *table_, copies, [&](IBuddyProfile* record) { return record->GetGroupName() == group; },
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
