/// @file
/// The buddy list (type code 3): the signed-in user's buddies, one buddy profile per text key
/// (normally the buddy's getQuilloID; keys are compared exactly, letter case included).
///
/// Ownership:
/// - The list owns every record. Whatever goes in is copied (IBuddyProfile::Copy, or the
///   assignment of CBuddyProfile); the caller keeps, and releases, what it passed.
/// - getBuddyProfileRecord and getBuddyRecord lend the list's own record: no holder is added,
///   and the pointer stays valid only while that record stays in the list.
/// - getList and GetList append copies with one holder each, owned by the caller, who gives them
///   back with clearCopyOfList (or Release each). The class getList does the same with
///   CBuddyProfile copies and its own clearCopyOfList.
/// - Replacing a record copies the incoming profile before the old record is released, so
///   passing the list's own record is safe.
/// Records are kept in a hash map by key. The scan order (of the lists handed out, and which of
/// several records with the same BLII or e-mail address a lookup finds) is the order in which
/// the records were stored: a record stored under a key already present replaces the old one
/// and takes the last place. Lookups by e-mail address and by BLII go through indexes, built
/// at the first such lookup, that follow changes made through lent records and give the answer
/// a scan in that order would give.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "qodata/buddy_profile.h"
#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// The signed-in user's buddies (type code 3): the list owns a copy of every record, lends
/// its records and hands out copies that the caller owns.
class IBuddyList : public IDataContainer {
 public:
  /// Releases every record.
  virtual void clearList() = 0;
  /// Releases every non-null element of `copies` and empties it; the buddy list is untouched.
  virtual void clearCopyOfList(std::vector<IBuddyProfile*>& copies) = 0;
  /// The number of records.
  virtual std::int32_t size() = 0;
  /// Kept for its slot: returns 0 and leaves the list as it is.
  virtual std::int32_t sort(std::int32_t column, bool ascending) = 0;
  /// Kept for its slot: returns 0 and leaves `results` untouched.
  virtual std::int32_t search(qo::String firstName, qo::String lastName, std::int32_t age,
                              tagGENDER gender, std::vector<IBuddyProfile*>& results) = 0;
  /// Appends a copy of every record (the caller owns them); returns the number appended.
  virtual std::int32_t getList(std::vector<IBuddyProfile*>& copies) = 0;
  /// Appends a copy of every record whose group name equals `group` exactly.
  virtual std::int32_t GetList(qo::String group, std::vector<IBuddyProfile*>& copies) = 0;
  /// Stores a copy under the profile's getQuilloID, replacing any record there. 0 (nothing
  /// stored) for null or for a profile without a user-profile view.
  virtual std::int32_t addBuddyRecord(IBuddyProfile* profile) = 0;
  /// Removes the first record whose getBlii equals `blii`; 0 when none does.
  virtual std::int32_t removeBuddyRecord(std::int32_t blii) = 0;
  /// Removes the record under the key: 1; 0 when there is none.
  virtual std::int32_t removeBuddyRecord(qo::String key) = 0;
  /// Replaces the record under `key` by a copy of `profile`, only when the key is present;
  /// 0 (nothing stored) for an absent key or a null profile.
  virtual std::int32_t updateBuddyRecord(qo::String key, IBuddyProfile* profile) = 0;
  /// Kept for its slot: returns 0 and leaves the list as it is, whatever the profiles.
  virtual std::int32_t updateBuddyRecord(IBuddyProfile* oldProfile, IBuddyProfile* newProfile) = 0;
  /// The first record whose getBlii equals `blii`, lent; null when none does.
  virtual IBuddyProfile* getBuddyProfileRecord(std::int32_t blii) = 0;
  /// The record under the key, lent; failing that, for a key with an "@" after its first
  /// character, the first record whose getEmail equals it exactly; else null.
  virtual IBuddyProfile* getBuddyProfileRecord(qo::String key) = 0;

 protected:
  ~IBuddyList() = default;
};

QODATA_INTERFACE_CODE(IBuddyList, CONTAINER_BUDDY_LIST);

/// The buddy list, offered for direct construction, with class operations that take and give
/// CBuddyProfile. Assignment replaces this list's records with copies of the source's (the
/// holder count stays); a copy construction starts with one holder.
/// @implements IBuddyList
class QODATA_API CBuddyList : public qo::Container<CBuddyList, CONTAINER_BUDDY_LIST, IBuddyList> {
 public:
  CBuddyList();
  /// Copies of other's records, with one holder of its own.
  CBuddyList(const CBuddyList& other);
  /// Replaces this list's records with copies of other's; the holder count stays.
  CBuddyList& operator=(const CBuddyList& other);
  /// The same as assignment; returns the target.
  CBuddyList& operator&(const CBuddyList& other);
  ~CBuddyList() override;

  // IBuddyList
  void clearList() override;
  void clearCopyOfList(std::vector<IBuddyProfile*>& copies) override;
  std::int32_t size() override;
  std::int32_t sort(std::int32_t column, bool ascending) override;
  std::int32_t search(qo::String firstName, qo::String lastName, std::int32_t age, tagGENDER gender,
                      std::vector<IBuddyProfile*>& results) override;
  std::int32_t getList(std::vector<IBuddyProfile*>& copies) override;
  std::int32_t GetList(qo::String group, std::vector<IBuddyProfile*>& copies) override;
  std::int32_t addBuddyRecord(IBuddyProfile* profile) override;
  std::int32_t removeBuddyRecord(std::int32_t blii) override;
  std::int32_t removeBuddyRecord(qo::String key) override;
  std::int32_t updateBuddyRecord(qo::String key, IBuddyProfile* profile) override;
  std::int32_t updateBuddyRecord(IBuddyProfile* oldProfile, IBuddyProfile* newProfile) override;
  IBuddyProfile* getBuddyProfileRecord(std::int32_t blii) override;
  IBuddyProfile* getBuddyProfileRecord(qo::String key) override;

  // Class operations. Unlike the interface update by key, the class updates always leave a
  // record under the key, whether or not one was there.
  /// Stores a copy under the profile's getQuilloID, replacing any record there.
  void addBuddyRecord(CBuddyProfile profile);
  /// Stores a copy of newProfile under oldProfile's getQuilloID, whether or not a record was
  /// there.
  void updateBuddyRecord(CBuddyProfile oldProfile, CBuddyProfile newProfile);
  /// Stores a copy of the profile under the key, whether or not a record was there.
  void updateBuddyRecord(qo::String key, CBuddyProfile profile);
  /// The record under the key, lent; null when there is none, and for a record that another
  /// implementation of IBuddyProfile made.
  CBuddyProfile* getBuddyRecord(qo::String key);
  /// The first record whose getBlii equals `blii`, lent; null as for the key.
  CBuddyProfile* getBuddyRecord(std::int32_t blii);
  /// Appends a new copy of every record (one holder each, the caller's); returns the number
  /// appended. Records of another implementation of IBuddyProfile are left out.
  std::int32_t getList(std::vector<CBuddyProfile*>& copies);
  /// Gives back one holder of every non-null element (destroying a copy nobody else holds),
  /// then empties `copies`.
  void clearCopyOfList(std::vector<CBuddyProfile*>& copies);
  /// Kept for symmetry with the interface: returns 0 and leaves `results` untouched.
  std::int32_t search(qo::String firstName, qo::String lastName, std::int32_t age, tagGENDER gender,
                      std::vector<CBuddyProfile>& results);

 private:
  /// The records, their scan order and the indexes by e-mail address and BLII
  /// (contacts/buddy_list.cpp).
  class Table;
  std::unique_ptr<Table> table_;
};
