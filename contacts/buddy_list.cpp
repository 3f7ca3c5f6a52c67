#include "qodata/buddy_list.h"

#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <string_view>
#include <utility>

#include "contacts/buddy_index.h"
#include "contacts/flat_table.h"

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

// A list-owned copy of a concrete profile (its copy construction carries what assignment does).
HeldBuddy CopyOf(const CBuddyProfile& profile) {
  return HeldBuddy::Adopt(new CBuddyProfile(profile));
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
  // One record, with its key kept inline right after the entry, so that a lookup by key reads
  // the table cell and then one block. The index entry is the base, so that an entry the index
  // finds is the record's own.
  struct Entry : qo::IndexEntry {
    HeldBuddy record;
    std::uint64_t hash = 0;   // of the key
    std::uint64_t place = 0;  // grows with every store: the scan order
    Entry* prev = nullptr;    // the scan-order chain
    Entry* next = nullptr;
    std::size_t keyLength = 0;
    bool indexed = false;  // filed: only while the indexes exist, and only a record of ours

    std::u16string_view Key() const noexcept {
      return {reinterpret_cast<const char16_t*>(this + 1), keyLength};
    }
  };

  Table() = default;
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;
  ~Table() { Clear(); }

  std::size_t Size() const noexcept { return byKey_.Size(); }

  // Calls visit(entry) for every record in scan order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (const Entry* entry = first_; entry != nullptr; entry = entry->next) visit(*entry);
  }

  IBuddyProfile* Find(std::u16string_view key) noexcept {
    Entry** cell = CellOf(key, Hash(key));
    return cell == nullptr ? nullptr : (*cell)->record.get();
  }

  // Stores `copy` under the key, in the last place. Everything that can fail (the entry, the
  // table's room, the index chains) comes first; a failure leaves the table as it was. The old
  // record (if any) is released after the new one is in place.
  void Store(std::u16string_view key, HeldBuddy copy) {
    const std::uint64_t hash = Hash(key);
    Entry** cell = CellOf(key, hash);
    if (cell == nullptr) {
      Owned made = Make(key, hash);
      byKey_.Reserve(1);
      Index(*made, copy.get(), nextPlace_);
      made->record = std::move(copy);
      made->place = nextPlace_++;
      Entry* entry = made.release();
      byKey_.Insert(hash, entry);
      Chain(*entry);
      return;
    }
    Entry& entry = **cell;
    Unindex(entry);
    try {
      Index(entry, copy.get(), nextPlace_);
    } catch (...) {
      try {  // the old record back in the indexes, or else scanned at every lookup
        Index(entry, entry.record.get(), entry.place);
      } catch (...) {
        ++unindexed_;
      }
      throw;
    }
    HeldBuddy old = std::move(entry.record);
    entry.record = std::move(copy);
    entry.place = nextPlace_++;
    Unchain(entry);
    Chain(entry);
  }  // `old` is released here

  bool Remove(std::u16string_view key) {
    Entry** cell = CellOf(key, Hash(key));
    if (cell == nullptr) return false;
    Erase(cell);
    return true;
  }
  void Remove(Entry* entry) {
    Erase(byKey_.Find(entry->hash, [&](Entry* candidate) { return candidate == entry; }));
  }

  // The first record in scan order whose getEmail equals the address exactly.
  Entry* FirstWithEmail(const qo::String& address) {
    Ready();
    Entry* found = EntryOf(index_.FirstWithEmail(address));
    ScanUnindexed(found, [&](IBuddyProfile* record) { return record->getEmail() == address; });
    return found;
  }

  // The first record in scan order whose getBlii equals `blii`. With `confirm`, a record
  // before it that does not confirm it is a buddy profile (type code 2) ends the search: null.
  Entry* FirstWithBlii(std::int32_t blii, bool confirm) {
    Ready();
    Entry* found = EntryOf(index_.FirstWithBlii(blii));
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
    Entry* entry = std::exchange(first_, nullptr);
    last_ = nullptr;
    byKey_.Clear();
    while (entry != nullptr) {
      Owned dropped(entry);
      entry = entry->next;
    }
  }

 private:
  struct Free {
    void operator()(Entry* entry) const noexcept {
      entry->~Entry();
      ::operator delete(entry);
    }
  };
  using Owned = std::unique_ptr<Entry, Free>;

  // An entry with room for the key's characters right after it.
  static Owned Make(std::u16string_view key, std::uint64_t hash) {
    void* block = ::operator new(sizeof(Entry) + key.size() * sizeof(char16_t));
    Owned entry(new (block) Entry());
    entry->hash = hash;
    entry->keyLength = key.size();
    if (!key.empty())
      std::memcpy(static_cast<char*>(block) + sizeof(Entry), key.data(),
                  key.size() * sizeof(char16_t));
    return entry;
  }

  static std::uint64_t Hash(std::u16string_view key) noexcept {
    return std::hash<std::u16string_view>{}(key);
  }
  Entry** CellOf(std::u16string_view key, std::uint64_t hash) noexcept {
    return byKey_.Find(hash, [&](Entry* entry) { return entry->Key() == key; });
  }

  static bool ConfirmsBuddy(IBuddyProfile* record) {
    void* buddy = nullptr;
    if (record->GetDataInterface(CONTAINER_BUDDY_PROFILE, &buddy) == 0) return false;
    static_cast<IBuddyProfile*>(buddy)->Release();
    return true;
  }

  // The entry of an index entry: the index files the entries themselves.
  static Entry* EntryOf(qo::IndexEntry* index) noexcept { return static_cast<Entry*>(index); }

  void Chain(Entry& entry) noexcept {
    entry.prev = last_;
    entry.next = nullptr;
    (last_ != nullptr ? last_->next : first_) = &entry;
    last_ = &entry;
  }
  void Unchain(Entry& entry) noexcept {
    (entry.prev != nullptr ? entry.prev->next : first_) = entry.next;
    (entry.next != nullptr ? entry.next->prev : last_) = entry.prev;
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

  void Erase(Entry** cell) {
    Owned entry(*cell);
    byKey_.Erase(cell);
    HeldBuddy removed = std::move(entry->record);  // released after the entry is gone
    Unindex(*entry);
    Unchain(*entry);
    entry.reset();
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
      for (Entry* entry = first_; entry != nullptr; entry = entry->next)
        Index(*entry, entry->record.get(), entry->place);
    } catch (...) {
      StopIndexing();
      throw;
    }
  }

  void StopIndexing() noexcept {
    if (!indexing_) return;
    for (Entry* entry = first_; entry != nullptr; entry = entry->next) {
      if (entry->indexed) {
        index_.Unfile(*entry);
        entry->indexed = false;
      }
    }
    index_.Clear();
    unindexed_ = 0;
    indexing_ = false;
  }

  // Looks at the records that are not indexed and come before `found` in scan order (all of
  // them when nothing was found); the first for which `matches` is true becomes `found`.
  template <class Matches>
  void ScanUnindexed(Entry*& found, Matches matches) {
    if (unindexed_ == 0) return;
    const std::uint64_t limit = found != nullptr ? found->place : nextPlace_;
    for (Entry* entry = first_; entry != nullptr && entry->place < limit; entry = entry->next) {
      if (!entry->indexed && matches(entry->record.get())) {
        found = entry;
        return;
      }
    }
  }

  qo::FlatTable<Entry*> byKey_;  // owns the entries (chained from first_ in scan order)
  Entry* first_ = nullptr;
  Entry* last_ = nullptr;
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
    table.ForEach([&](const auto& entry) {
      IBuddyProfile* record = entry.record.get();
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
  other.table_->ForEach([&](const Table::Entry& entry) {
    HeldBuddy copy = CopyOf(entry.record.get());
    if (copy) copies->Store(entry.Key(), std::move(copy));
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
  table_->Store(key, std::move(copy));
  return 1;
}

std::int32_t CBuddyList::removeBuddyRecord(std::int32_t blii) {
  Table::Entry* entry = table_->FirstWithBlii(blii, false);
  if (entry == nullptr) return 0;
  table_->Remove(entry);
  return 1;
}

std::int32_t CBuddyList::removeBuddyRecord(qo::String key) { return table_->Remove(key) ? 1 : 0; }

std::int32_t CBuddyList::updateBuddyRecord(qo::String key, IBuddyProfile* profile) {
  if (profile == nullptr || table_->Find(key) == nullptr) return 0;
  HeldBuddy copy = CopyOf(profile);  // before the old record goes: it may be `profile` itself
  if (!copy) return 0;
  table_->Store(key, std::move(copy));
  return 1;
}

// Our decision: the update with two profiles keeps its slot only; it answers 0 and leaves the
// list as it was, whether or not the old profile's key is there (the class update stores).
std::int32_t CBuddyList::updateBuddyRecord(IBuddyProfile*, IBuddyProfile*) { return 0; }

// A record that does not confirm it is a buddy profile ends the search with null.
IBuddyProfile* CBuddyList::getBuddyProfileRecord(std::int32_t blii) {
  Table::Entry* entry = table_->FirstWithBlii(blii, true);
  return entry == nullptr ? nullptr : entry->record.get();
}

IBuddyProfile* CBuddyList::getBuddyProfileRecord(qo::String key) {
  if (IBuddyProfile* record = table_->Find(key)) return record;
  // The e-mail fallback, only for a text shaped like an address: an "@" that is not its first
  // character. Addresses compare exactly, letter case included.
  if (!ShapedLikeAddress(key)) return nullptr;
  Table::Entry* entry = table_->FirstWithEmail(key);
  return entry == nullptr ? nullptr : entry->record.get();
}

// --- Class operations ------------------------------------------------------------------------

void CBuddyList::addBuddyRecord(CBuddyProfile profile) {
  table_->Store(profile.getQuilloID(), CopyOf(profile));
}

void CBuddyList::updateBuddyRecord(CBuddyProfile oldProfile, CBuddyProfile newProfile) {
  table_->Store(oldProfile.getQuilloID(), CopyOf(newProfile));
}

void CBuddyList::updateBuddyRecord(qo::String key, CBuddyProfile profile) {
  table_->Store(key, CopyOf(profile));
}

CBuddyProfile* CBuddyList::getBuddyRecord(qo::String key) {
  return dynamic_cast<CBuddyProfile*>(table_->Find(key));
}

CBuddyProfile* CBuddyList::getBuddyRecord(std::int32_t blii) {
  Table::Entry* entry = table_->FirstWithBlii(blii, false);
  return entry == nullptr ? nullptr : dynamic_cast<CBuddyProfile*>(entry->record.get());
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
