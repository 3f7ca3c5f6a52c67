/// @file
/// Two lists that pass several user profiles to the client at once. Neither is a container:
/// no type code, no holder count, no interface; the factory does not make them.
#pragma once

#include <cstdint>

#include "qodata/export.h"
#include "qodata/ptr_list.h"
#include "qodata/user_profile.h"

/// An ordered list of CUserProfile pointers, with the positional operations of qo::PtrList.
/// The list does not own the profiles: emptying or destroying it leaves every profile alone,
/// and whoever put a profile in frees it. Null pointers and repeated pointers are stored as
/// given.
class QODATA_API CUserList : public qo::PtrList<CUserProfile> {
 public:
  CUserList();
  /// The same entries as `other`, pointing to the same profiles.
  CUserList(const CUserList& other);
  /// Appends the source's entries, in order, after the entries this list already holds. Our
  /// decision: the appended entries are the source's own pointers, not copies of the profiles,
  /// so nothing new needs freeing. Assigning a list to itself appends its entries once.
  CUserList& operator=(const CUserList& other);
  /// The same as assignment; returns this list.
  CUserList& operator&(const CUserList& other);
  ~CUserList();
};

/// The class the client receives search results in. It keeps nothing: add drops the profile,
/// get gives a new profile with every field at its initial value, and count is always 0.
class QODATA_API CSearchResultList {
 public:
  CSearchResultList();
  /// @name Copies
  ///@{

  /// Copy nothing, as there is nothing kept.
  CSearchResultList(const CSearchResultList& other);
  CSearchResultList& operator=(const CSearchResultList& other);
  ///@}
  ~CSearchResultList();

  /// Drops the profile (its own copy, taken by value).
  void add(CUserProfile profile);
  /// A new profile with every field at its initial value, handed over by value.
  CUserProfile get(std::int32_t index);
  /// Always 0.
  std::int32_t count();
};
