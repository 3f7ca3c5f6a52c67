#include <memory>
#include <utility>

#include "qodata/credits_ads.h"

bool CAds::Fields::operator==(const Fields&) const = default;

namespace {

// Walking a PtrList does not change it, though the list does not declare its walk const.
template <class T, class Visit>
void ForEachIn(const qo::PtrList<T>& list, Visit visit) {
  auto& walked = const_cast<qo::PtrList<T>&>(list);
  for (POSITION p = walked.GetHeadPosition(); p != nullptr;) visit(walked.GetNext(p));
}

}  // namespace

// --- CAds -----------------------------------------------------------------------------------

CAds::CAds() = default;

CAds::CAds(qo::String imagePath, qo::String url, ADSTYPE type, qo::String tooltip,
           std::uint32_t sleepInterval, std::uint32_t transitionAnimation) {
  SetParameters(std::move(imagePath), std::move(url), type, std::move(tooltip), sleepInterval,
                transitionAnimation);
}

CAds::CAds(const CAds& other) = default;

CAds& CAds::operator=(const CAds& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
  return *this;
}

CAds::~CAds() = default;

void CAds::SetParameters(qo::String imagePath, qo::String url, ADSTYPE type, qo::String tooltip,
                         std::uint32_t sleepInterval, std::uint32_t transitionAnimation) {
  // The arguments are copies already: moving them in cannot fail halfway.
  fields_.imagePath = std::move(imagePath);
  fields_.url = std::move(url);
  fields_.tooltip = std::move(tooltip);
  fields_.sleepInterval = sleepInterval;
  fields_.transitionAnimation = transitionAnimation;
  fields_.adsType = type;
}

void CAds::SetImagePath(qo::String imagePath) { fields_.imagePath = std::move(imagePath); }
qo::String CAds::GetImagePath() { return fields_.imagePath; }
qo::String CAds::GetURL() { return fields_.url; }
qo::String CAds::GetTooltip() { return fields_.tooltip; }
std::uint32_t CAds::GetSleepInterval() { return fields_.sleepInterval; }
std::uint32_t CAds::GetTransitionAnimation() { return fields_.transitionAnimation; }
ADSTYPE CAds::GetAdsType() { return fields_.adsType; }

IAds* CAds::Copy() { return static_cast<IAds*>(Clone()); }

// --- CIAdsList ------------------------------------------------------------------------------

CIAdsList::CIAdsList() = default;

CIAdsList::CIAdsList(const CIAdsList& other) = default;

CIAdsList& CIAdsList::operator=(const CIAdsList& other) {
  if (this != &other) ads_.AppendCopiesOf(other.ads_);
  return *this;
}

CIAdsList& CIAdsList::operator&(const CIAdsList& other) { return *this = other; }

CIAdsList::~CIAdsList() = default;

// The list takes over the reference from the call on: should the list fail to grow, the
// reference is still released. A null advertisement is no reference: nothing is added.
void CIAdsList::AddTail(IAds* ads) {
  if (ads != nullptr) ads_.AddTail(qo::Held<IAds>::Adopt(ads));
}

void CIAdsList::clear() { ads_.RemoveAll(); }

std::int32_t CIAdsList::GetSize() { return ads_.GetCount(); }

POSITION CIAdsList::GetHeadPosition() { return ads_.GetHeadPosition(); }

IAds* CIAdsList::GetNext(POSITION& position) { return ads_.GetNext(position); }

// --- CAdsList -------------------------------------------------------------------------------

CAdsList::CAdsList() = default;

CAdsList::CAdsList(const CAdsList& other) : Base() { *this = other; }

CAdsList& CAdsList::operator=(const CAdsList& other) {
  if (this == &other) return *this;
  const std::int32_t before = GetCount();
  try {
    ForEachIn<CAds>(other, [this](CAds* ads) {
      std::unique_ptr<CAds> copy(ads != nullptr ? new CAds(*ads) : nullptr);
      Base::AddTail(copy.get());
      copy.release();
    });
  } catch (...) {
    // Strong guarantee: the copies appended so far are destroyed again.
    while (GetCount() > before) delete Base::RemoveTail();
    throw;
  }
  return *this;
}

CAdsList& CAdsList::operator&(const CAdsList& other) { return *this = other; }

CAdsList::~CAdsList() {
  while (!IsEmpty()) delete Base::RemoveHead();
}

// The list owns the element from the call on: should the list fail to grow, the element is
// destroyed rather than leaked (as CIAdsList releases the reference it was given).
POSITION CAdsList::AddHead(CAds* ads) {
  std::unique_ptr<CAds> owned(ads);
  POSITION position = Base::AddHead(ads);
  owned.release();
  return position;
}

POSITION CAdsList::AddTail(CAds* ads) {
  std::unique_ptr<CAds> owned(ads);
  POSITION position = Base::AddTail(ads);
  owned.release();
  return position;
}
