#include "qodata/user_list.h"

CUserList::CUserList() = default;

CUserList::CUserList(const CUserList& other) : qo::PtrList<CUserProfile>() { AddTail(other); }

CUserList& CUserList::operator=(const CUserList& other) {
  const std::int32_t before = GetCount();
  try {
    AddTail(other);  // counts the source first, so a list assigned to itself doubles once
  } catch (...) {
    while (GetCount() > before) RemoveTail();  // a failed append leaves the list as it was
    throw;
  }
  return *this;
}

CUserList& CUserList::operator&(const CUserList& other) { return *this = other; }

CUserList::~CUserList() = default;

CSearchResultList::CSearchResultList() = default;
CSearchResultList::CSearchResultList(const CSearchResultList&) {}
CSearchResultList& CSearchResultList::operator=(const CSearchResultList&) { return *this; }
CSearchResultList::~CSearchResultList() = default;

void CSearchResultList::add(CUserProfile) {}

CUserProfile CSearchResultList::get(std::int32_t) { return CUserProfile(); }

std::int32_t CSearchResultList::count() { return 0; }
