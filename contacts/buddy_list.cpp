#include "qodata/buddy_list.h"

#include <functional>
#include <iterator>
#include <list>
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
  // Records in scan order; also the form of the index chains, each in scan order.
  using Chain = std::list<Slot*>;

  // Where a record is filed: its place in the scan order (increasing with every store) and,
  // for an indexable record, its chains in the two indexes.
  struct Links {
    std::uint64_t place = 0;
    Chain::iterator inOrder;
    CBuddyProfile* indexed = nullptr;  // null: not indexed, scanned at every lookup
    Chain* emailChain = nullptr;       // null: no address shaped like one
    Chain::iterator emailLink;
    std::size_t emailHash = 0;
    Chain* bliiChain = nullptr;
    Chain::iterator bliiLink;
    std::int32_t blii = 0;
  };

  struct Entry {
    HeldBuddy record;
    Links links;
  };

  using Records = std::unordered_map<qo::String, Entry>;
  static_assert(std::is_same_v<Records::value_type, Slot>);
  // Addresses are filed by their hash: a chain may hold records of several addresses with one
  // hash, and lookups compare the addresses themselves.
  using EmailIndex = std::unordered_map<std::size_t, Chain>;
  using BliiIndex = std::unordered_map<std::int32_t, Chain>;

  Table() = default;
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;
  ~Table() { Clear(); }

  std::size_t Size() const noexcept { return records_.size(); }

  // The records in scan order.
  const Chain& Order() const noexcept { return order_; }

  IBuddyProfile* Find(const qo::String& key) {
    auto entry = records_.find(key);
    return entry == records_.end() ? nullptr : entry->second.record.get();
  }

  // Stores `copy` under the key. The new record is filed completely before the old one (if
  // any) is unfiled and released, so a failure leaves the table as it was.
  void Store(const qo::String& key, HeldBuddy copy) {
    auto [at, inserted] = records_.try_emplace(key);
    Slot* slot = &*at;
    Links links;
    try {
      links = File(slot, copy.get(), nextPlace_);
    } catch (...) {
      if (inserted) records_.erase(at);
      throw;
    }
    ++nextPlace_;
    if (!inserted) Forget(at->second.links);
    HeldBuddy old = std::exchange(at->second.record, std::move(copy));
    at->second.links = links;
  }  // `old` is released here, after the new record is in place

  bool Remove(const qo::String& key) {
    auto at = records_.find(key);
    if (at == records_.end()) return false;
    Erase(at);
    return true;
  }

  void Remove(Slot* slot) { Erase(records_.find(slot->first)); }

  // The first record in scan order whose getEmail equals the address exactly.
  Slot* FirstWithEmail(const qo::String& address) {
    Refresh();
    Slot* found = nullptr;
    auto chain = emailIndex_.find(std::hash<qo::String>{}(address));
    if (chain != emailIndex_.end()) {
      for (Slot* slot : chain->second) {
        if (qo::IndexedFields::Email(*slot->second.links.indexed) == address) {
          found = slot;
          break;
        }
      }
    }
    ScanUnindexed(found, [&](IBuddyProfile* record) { return record->getEmail() == address; });
    return found;
  }

  // The first record in scan order whose getBlii equals `blii`. With `confirm`, a record
  // before it that does not confirm it is a buddy profile (type code 2) ends the search:
  // null, and `refused` is set.
  Slot* FirstWithBlii(std::int32_t blii, bool confirm) {
    Refresh();
    Slot* found = nullptr;
    auto chain = bliiIndex_.find(blii);
    if (chain != bliiIndex_.end()) found = chain->second.front();
    bool refused = false;
    ScanUnindexed(found, [&](IBuddyProfile* record) {
      if (confirm && !ConfirmsBuddy(record)) return refused = true;
      return record->getBlii() == blii;
    });
    return refused ? nullptr : found;
  }

  // Releases every record; the table is emptied before any record is released.
  void Clear() noexcept {
    for (Slot* slot : order_) {
      if (CBuddyProfile* indexed = slot->second.links.indexed) qo::IndexedFields::Unwatch(*indexed);
    }
    emailIndex_.clear();
    bliiIndex_.clear();
    order_.clear();
    unindexed_ = 0;
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

  // Looks at the records that are not indexed and come before `found` in scan order (all of
  // them when nothing was found); the first for which `matches` is true becomes `found`.
  template <class Matches>
  void ScanUnindexed(Slot*& found, Matches matches) {
    if (unindexed_ == 0) return;
    const std::uint64_t limit = found != nullptr ? found->second.links.place : nextPlace_;
    for (Slot* slot : order_) {
      if (slot->second.links.place >= limit) return;
      if (slot->second.links.indexed != nullptr) continue;
      if (matches(slot->second.record.get())) {
        found = slot;
        return;
      }
    }
  }

  // Adds the slot to the chain under `key`, at its place in scan order: usually the end,
  // as places grow with every store. Returns the link; a new empty chain is removed again if
  // the addition fails.
  template <class Index>
  static Chain::iterator Join(Index& index, typename Index::key_type key, Slot* slot,
                              std::uint64_t place, Chain*& chain) {
    auto [at, inserted] = index.try_emplace(key);
    try {
      Chain& members = at->second;
      auto before = members.end();
      while (before != members.begin() && (*std::prev(before))->second.links.place > place) {
        --before;
      }
      auto link = members.insert(before, slot);
      chain = &members;
      return link;
    } catch (...) {
      if (inserted) index.erase(at);
      throw;
    }
  }

  template <class Index>
  static void Leave(Index& index, typename Index::key_type key, Chain* chain,
                    Chain::iterator link) noexcept {
    chain->erase(link);
    if (chain->empty()) index.erase(key);
  }

  // Files a record in the scan order and, when it is indexable, in both indexes.
  Links File(Slot* slot, IBuddyProfile* record, std::uint64_t place) {
    Links links;
    links.place = place;
    links.inOrder = order_.insert(order_.end(), slot);
    try {
      if (CBuddyProfile* buddy = Indexable(record)) {
        const qo::String& email = qo::IndexedFields::Email(*buddy);
        if (ShapedLikeAddress(email)) {
          links.emailHash = std::hash<qo::String>{}(email);
          links.emailLink = Join(emailIndex_, links.emailHash, slot, place, links.emailChain);
        }
        links.blii = buddy->getBlii();
        links.bliiLink = Join(bliiIndex_, links.blii, slot, place, links.bliiChain);
        links.indexed = buddy;
        qo::IndexedFields::Watch(*buddy);
      } else {
        ++unindexed_;  // last: nothing after it can fail
      }
    } catch (...) {
      Unfile(links);
      throw;
    }
    return links;
  }

  // Takes a record out of the scan order and the indexes (as far as File got).
  void Unfile(const Links& links) noexcept {
    order_.erase(links.inOrder);
    if (links.emailChain != nullptr) {
      Leave(emailIndex_, links.emailHash, links.emailChain, links.emailLink);
    }
    if (links.bliiChain != nullptr) Leave(bliiIndex_, links.blii, links.bliiChain, links.bliiLink);
    if (links.indexed != nullptr) qo::IndexedFields::Unwatch(*links.indexed);
  }

  // Unfiles a record that File filed completely.
  void Forget(const Links& links) noexcept {
    Unfile(links);
    if (links.indexed == nullptr) --unindexed_;
  }

  void Erase(Records::iterator at) {
    HeldBuddy removed = std::move(at->second.record);  // released after the entry is gone
    Forget(at->second.links);
    records_.erase(at);
  }

  // Re-files every record whose indexed fields changed since the last look, if any watched
  // profile reported a change since then.
  void Refresh() {
    const std::uint64_t edits = qo::indexedEdits.load(std::memory_order_relaxed);
    if (edits == seenEdits_) return;
    for (Slot* slot : order_) {
      CBuddyProfile* indexed = slot->second.links.indexed;
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

  // Moves a record to the chains of its current address and BLII: the new links are made
  // before the old ones go, so a failure leaves it filed as it was.
  void Refile(Slot& slot) {
    Links& links = slot.second.links;
    CBuddyProfile& buddy = *links.indexed;
    const qo::String& email = qo::IndexedFields::Email(buddy);
    const bool hasAddress = ShapedLikeAddress(email);
    const std::size_t emailHash = hasAddress ? std::hash<qo::String>{}(email) : 0;
    const bool emailMoves = hasAddress != (links.emailChain != nullptr) ||
                            (hasAddress && emailHash != links.emailHash);
    const std::int32_t blii = buddy.getBlii();
    const bool bliiMoves = blii != links.blii;

    Chain* emailChain = nullptr;
    Chain::iterator emailLink;
    if (emailMoves && hasAddress) {
      emailLink = Join(emailIndex_, emailHash, &slot, links.place, emailChain);
    }
    Chain* bliiChain = nullptr;
    Chain::iterator bliiLink;
    if (bliiMoves) {
      try {
        bliiLink = Join(bliiIndex_, blii, &slot, links.place, bliiChain);
      } catch (...) {
        if (emailChain != nullptr) Leave(emailIndex_, emailHash, emailChain, emailLink);
        throw;
      }
    }
    if (emailMoves) {
      if (links.emailChain != nullptr) {
        Leave(emailIndex_, links.emailHash, links.emailChain, links.emailLink);
      }
      links.emailChain = emailChain;
      links.emailLink = emailLink;
      links.emailHash = emailHash;
    }
    if (bliiMoves) {
      Leave(bliiIndex_, links.blii, links.bliiChain, links.bliiLink);
      links.bliiChain = bliiChain;
      links.bliiLink = bliiLink;
      links.blii = blii;
    }
  }

  Records records_;
  Chain order_;
  EmailIndex emailIndex_;
  BliiIndex bliiIndex_;
  std::size_t unindexed_ = 0;      // records filed without indexes
  std::uint64_t nextPlace_ = 0;    // the place of the next record stored
  // qo::indexedEdits when the indexes were last refreshed; records filed later are filed as
  // they are then, so changes counted before the table existed do not concern it.
  std::uint64_t seenEdits_ = qo::indexedEdits.load(std::memory_order_relaxed);
};

// --- The list -----------------------------------------------------------------------------

namespace {

// Appends the copies that `make` gives for the chosen records, in scan order; on a throw, the
// copies this call appended are released and `out` is as it was.
template <class Order, class Element, class Choose, class Make>
std::int32_t AppendCopies(const Order& order, std::vector<Element*>& out, Choose choose,
                          Make make) {
  const std::size_t before = out.size();
  try {
    out.reserve(before + order.size());
    for (const auto* slot : order) {
      IBuddyProfile* record = slot->second.record.get();
      if (!choose(record)) continue;
      if (Element* copy = make(record)) out.push_back(copy);  // reserved: cannot throw
    }
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
CBuddyList& CBuddyList::operator=(const CBuddyList& other) {
  auto copies = std::make_unique<Table>();
  for (const auto* slot : other.table_->Order()) {
    HeldBuddy copy = CopyOf(slot->second.record.get());
    if (copy) copies->Store(slot->first, std::move(copy));
  }
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
      table_->Order(), copies, [](IBuddyProfile*) { return true; },
      [](IBuddyProfile* record) { return record->Copy(); });
}

std::int32_t CBuddyList::GetList(qo::String group, std::vector<IBuddyProfile*>& copies) {
  return AppendCopies(
      table_->Order(), copies,
      [&](IBuddyProfile* record) { return record->GetGroupName() == group; },
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
  table_->Store(key, std::move(copy));
  return 1;
}

// Our decision: this update does what the update by key does with the old profile's
// identifier as the key (replace only a record that is there), rather than always answering 0.
std::int32_t CBuddyList::updateBuddyRecord(IBuddyProfile* oldProfile, IBuddyProfile* newProfile) {
  qo::String key;
  if (oldProfile == nullptr || !KeyOf(oldProfile, key)) return 0;
  return updateBuddyRecord(std::move(key), newProfile);
}

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
  table_->Store(key, CopyOf(profile));
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
      table_->Order(), copies,
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
