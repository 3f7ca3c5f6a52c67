#include "qodata/buddy_list.h"

#include <memory>
#include <utility>

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

// Appends the copies that `make` gives for the chosen records; on a throw, the copies this
// call appended are released and `out` is as it was.
template <class Records, class Element, class Choose, class Make>
std::int32_t AppendCopies(Records& records, std::vector<Element*>& out, Choose choose, Make make) {
  const std::size_t before = out.size();
  try {
    out.reserve(before + records.size());
    for (auto& [key, record] : records) {
      if (!choose(record.get())) continue;
      if (Element* copy = make(record.get())) out.push_back(copy);  // reserved: cannot throw
    }
  } catch (...) {
    for (std::size_t i = before; i < out.size(); ++i) out[i]->Release();
    out.resize(before);
    throw;
  }
  return static_cast<std::int32_t>(out.size() - before);
}

}  // namespace

CBuddyList::CBuddyList() = default;

CBuddyList::CBuddyList(const CBuddyList& other) : Container(other) { *this = other; }

CBuddyList::~CBuddyList() = default;

// Every copy is taken before any record of this list is dropped: a failed copy leaves the list
// unchanged, and self-assignment keeps equal copies.
CBuddyList& CBuddyList::operator=(const CBuddyList& other) {
  Records copies;
  copies.reserve(other.records_.size());
  for (const auto& [key, record] : other.records_) {
    HeldBuddy copy = CopyOf(record.get());
    if (copy) copies.emplace(key, std::move(copy));
  }
  records_.swap(copies);
  return *this;
}

CBuddyList& CBuddyList::operator&(const CBuddyList& other) { return *this = other; }

// One hash lookup. If the insertion throws, the copy is released and the list is unchanged;
// otherwise the old record (if any) is released by the move, after the new one is in place.
void CBuddyList::Store(const qo::String& key, HeldBuddy copy) {
  records_.try_emplace(key).first->second = std::move(copy);
}

CBuddyList::Records::iterator CBuddyList::FindByBlii(std::int32_t blii) {
  for (auto entry = records_.begin(); entry != records_.end(); ++entry) {
    if (entry->second->getBlii() == blii) return entry;
  }
  return records_.end();
}

// --- IBuddyList -------------------------------------------------------------------------------

void CBuddyList::clearList() {
  // Emptied before anything is released, so the list is consistent while records die.
  Records dropped;
  dropped.swap(records_);
}

void CBuddyList::clearCopyOfList(std::vector<IBuddyProfile*>& copies) {
  for (IBuddyProfile* copy : copies) {
    if (copy != nullptr) copy->Release();
  }
  copies.clear();
}

std::int32_t CBuddyList::size() { return static_cast<std::int32_t>(records_.size()); }

// Our decision: the arguments of sort and search mean nothing; they keep their slots only.
std::int32_t CBuddyList::sort(std::int32_t, bool) { return 0; }

std::int32_t CBuddyList::search(qo::String, qo::String, std::int32_t, tagGENDER,
                                std::vector<IBuddyProfile*>&) {
  return 0;
}

std::int32_t CBuddyList::getList(std::vector<IBuddyProfile*>& copies) {
  return AppendCopies(
      records_, copies, [](IBuddyProfile*) { return true; },
      [](IBuddyProfile* record) { return record->Copy(); });
}

std::int32_t CBuddyList::GetList(qo::String group, std::vector<IBuddyProfile*>& copies) {
  return AppendCopies(
      records_, copies, [&](IBuddyProfile* record) { return record->GetGroupName() == group; },
      [](IBuddyProfile* record) { return record->Copy(); });
}

std::int32_t CBuddyList::addBuddyRecord(IBuddyProfile* profile) {
  qo::String key;
  if (profile == nullptr || !KeyOf(profile, key)) return 0;
  HeldBuddy copy = CopyOf(profile);
  if (!copy) return 0;
  Store(key, std::move(copy));
  return 1;
}

std::int32_t CBuddyList::removeBuddyRecord(std::int32_t blii) {
  auto entry = FindByBlii(blii);
  if (entry == records_.end()) return 0;
  HeldBuddy removed = std::move(entry->second);  // released after the entry is gone
  records_.erase(entry);
  return 1;
}

std::int32_t CBuddyList::removeBuddyRecord(qo::String key) {
  auto entry = records_.find(key);
  if (entry == records_.end()) return 0;
  HeldBuddy removed = std::move(entry->second);
  records_.erase(entry);
  return 1;
}

std::int32_t CBuddyList::updateBuddyRecord(qo::String key, IBuddyProfile* profile) {
  if (profile == nullptr) return 0;
  auto entry = records_.find(key);
  if (entry == records_.end()) return 0;
  HeldBuddy copy = CopyOf(profile);  // before the old record goes: it may be `profile` itself
  if (!copy) return 0;
  entry->second = std::move(copy);
  return 1;
}

// Our decision: this update does what the update by key does with the old profile's
// identifier as the key (replace only a record that is there), rather than always answering 0.
std::int32_t CBuddyList::updateBuddyRecord(IBuddyProfile* oldProfile, IBuddyProfile* newProfile) {
  qo::String key;
  if (oldProfile == nullptr || !KeyOf(oldProfile, key)) return 0;
  return updateBuddyRecord(std::move(key), newProfile);
}

IBuddyProfile* CBuddyList::getBuddyProfileRecord(std::int32_t blii) {
  for (auto& [key, record] : records_) {
    void* buddy = nullptr;
    // A record that does not confirm it is a buddy profile ends the scan.
    if (record->GetDataInterface(CONTAINER_BUDDY_PROFILE, &buddy) == 0) return nullptr;
    static_cast<IBuddyProfile*>(buddy)->Release();
    if (record->getBlii() == blii) return record.get();
  }
  return nullptr;
}

IBuddyProfile* CBuddyList::getBuddyProfileRecord(qo::String key) {
  auto entry = records_.find(key);
  if (entry != records_.end()) return entry->second.get();
  // The e-mail fallback, only for a text shaped like an address: an "@" that is not its first
  // character. Addresses compare exactly, letter case included.
  auto at = key.find(u'@');
  if (at == qo::String::npos || at == 0) return nullptr;
  for (auto& [recordKey, record] : records_) {
    if (record->getEmail() == key) return record.get();
  }
  return nullptr;
}

// --- Class operations ------------------------------------------------------------------------

void CBuddyList::addBuddyRecord(CBuddyProfile profile) {
  Store(profile.getQuilloID(), CopyOf(profile));
}

void CBuddyList::updateBuddyRecord(CBuddyProfile oldProfile, CBuddyProfile newProfile) {
  Store(oldProfile.getQuilloID(), CopyOf(newProfile));
}

void CBuddyList::updateBuddyRecord(qo::String key, CBuddyProfile profile) {
  Store(key, CopyOf(profile));
}

CBuddyProfile* CBuddyList::getBuddyRecord(qo::String key) {
  auto entry = records_.find(key);
  return entry == records_.end() ? nullptr : dynamic_cast<CBuddyProfile*>(entry->second.get());
}

CBuddyProfile* CBuddyList::getBuddyRecord(std::int32_t blii) {
  auto entry = FindByBlii(blii);
  return entry == records_.end() ? nullptr : dynamic_cast<CBuddyProfile*>(entry->second.get());
}

std::int32_t CBuddyList::getList(std::vector<CBuddyProfile*>& copies) {
  return AppendCopies(
      records_, copies,
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
