#include <utility>

#include "qodata/credits_ads.h"

bool CCredit::Fields::operator==(const Fields&) const = default;

namespace {

// Walking a PtrList does not change it, though the list does not declare its walk const.
template <class T, class Visit>
void ForEachIn(const qo::PtrList<T>& list, Visit visit) {
  auto& walked = const_cast<qo::PtrList<T>&>(list);
  for (POSITION p = walked.GetHeadPosition(); p != nullptr;) visit(walked.GetNext(p));
}

// Appends one owned reference; the reference is released if the list cannot take it.
void AppendOwned(qo::PtrList<ICredit>& list, qo::Held<ICredit> credit) {
  list.AddTail(credit.get());
  credit.release();
}

}  // namespace

// --- CCredit --------------------------------------------------------------------------------

CCredit::CCredit() = default;

CCredit::CCredit(qo::String provider, std::int32_t total, std::int32_t remaining) {
  fields_.provider = std::move(provider);
  fields_.totalCredits = total;
  // Computed in 64 bits and narrowed back, so that extreme values wrap instead of overflowing.
  fields_.usedCredits = static_cast<std::int32_t>(static_cast<std::int64_t>(total) - remaining);
}

CCredit::CCredit(const CCredit& other) = default;

CCredit& CCredit::operator=(const CCredit& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
  return *this;
}

CCredit& CCredit::operator&(const CCredit& other) { return *this = other; }

CCredit::~CCredit() = default;

qo::String CCredit::getProvider() { return fields_.provider; }
std::int32_t CCredit::getTotalCredits() { return fields_.totalCredits; }
std::int32_t CCredit::getUsedCredits() { return fields_.usedCredits; }
void CCredit::setProvider(qo::String provider) { fields_.provider = std::move(provider); }
void CCredit::setTotalCredits(std::int32_t total) { fields_.totalCredits = total; }
void CCredit::setUsedCredits(std::int32_t used) { fields_.usedCredits = used; }

ICredit* CCredit::Copy() { return static_cast<ICredit*>(Clone()); }

// --- CCreditList ----------------------------------------------------------------------------

CCreditList::CCreditList() = default;

CCreditList::CCreditList(const CCreditList& other) : Container(other) { *this = other; }

CCreditList& CCreditList::operator=(const CCreditList& other) {
  if (this == &other) return *this;
  const std::int32_t before = credits_.GetCount();
  try {
    ForEachIn(other.credits_, [this](ICredit* credit) {
      AppendOwned(credits_, qo::Held<ICredit>::Adopt(credit->Copy()));
    });
  } catch (...) {
    // Strong guarantee: the copies appended so far are dropped again.
    while (credits_.GetCount() > before) qo::Held<ICredit>::Adopt(credits_.RemoveTail()).reset();
    throw;
  }
  return *this;
}

CCreditList& CCreditList::operator&(const CCreditList& other) { return *this = other; }

CCreditList::~CCreditList() { clear(); }

void CCreditList::putCredit(ICredit* credit) {
  // A null credit has no values to take: nothing is added.
  if (credit == nullptr) return;
  // Read through the interface, so a credit of another module is copied as well.
  auto copy = qo::Held<ICredit>::Adopt(new CCredit());
  copy->setProvider(credit->getProvider());
  copy->setTotalCredits(credit->getTotalCredits());
  copy->setUsedCredits(credit->getUsedCredits());
  AppendOwned(credits_, std::move(copy));
}

POSITION CCreditList::getHead() { return credits_.GetHeadPosition(); }

ICredit* CCreditList::getNext(POSITION& position) {
  if (position == nullptr) return nullptr;
  return credits_.GetNext(position);
}

std::int32_t CCreditList::size() { return credits_.GetCount(); }

void CCreditList::clear() {
  while (!credits_.IsEmpty()) qo::Held<ICredit>::Adopt(credits_.RemoveHead()).reset();
}
