#include <utility>

#include "qodata/credits_ads.h"

bool CCredit::Fields::operator==(const Fields&) const = default;

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

CCreditList::CCreditList(const CCreditList& other) = default;

CCreditList& CCreditList::operator=(const CCreditList& other) {
  if (this != &other) credits_.AppendCopiesOf(other.credits_);
  return *this;
}

CCreditList& CCreditList::operator&(const CCreditList& other) { return *this = other; }

CCreditList::~CCreditList() = default;

void CCreditList::putCredit(ICredit* credit) {
  // A null credit has no values to take: nothing is added.
  if (credit == nullptr) return;
  // Read through the interface, so a credit of another module is copied as well.
  auto copy = qo::Held<ICredit>::Adopt(new CCredit());
  copy->setProvider(credit->getProvider());
  copy->setTotalCredits(credit->getTotalCredits());
  copy->setUsedCredits(credit->getUsedCredits());
  credits_.AddTail(std::move(copy));
}

POSITION CCreditList::getHead() { return credits_.GetHeadPosition(); }

ICredit* CCreditList::getNext(POSITION& position) { return credits_.GetNext(position); }

std::int32_t CCreditList::size() { return credits_.GetCount(); }

void CCreditList::clear() { credits_.RemoveAll(); }
