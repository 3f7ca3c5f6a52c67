// The buddy operations that do more than store a field: presence by priority, the resource
// list without case-insensitive duplicates, and the answers that depend on the domain code.
#include <algorithm>
#include <utility>

#include "contacts/transport_suffix.h"
#include "platform/contract.h"
#include "qodata/buddy_profile.h"

namespace {

// Domain codes whose identifiers carry an "@" that is not part of the identifier on the
// network itself (Yahoo, Google, AOL).
bool CutsAtFirstAt(std::int32_t domain) { return domain == 2 || domain == 4 || domain == 5; }

// The text before the first "@", or the whole text when it holds none.
qo::String BeforeFirstAt(const qo::String& text) { return text.substr(0, text.find(u'@')); }

void AddIfAbsent(qo::StringList& list, qo::String name) {
  bool present = std::any_of(list.begin(), list.end(), [&](const qo::String& entry) {
    return qo::platform::EqualsNoCase(entry, name);
  });
  if (!present) list.push_back(std::move(name));
}

}  // namespace

void CBuddyProfile::SetPresence(_PRESENCE presence) {
  if (presence.priority < presencePriority_) return;
  // The one copy that can throw comes first (into the buffer the message already has, and
  // leaving it as it was if it must grow and cannot); the rest are moves.
  fields_.shared.statusMessage.assign(presence.statusMessage);
  presenceStatus_ = presence.status;
  presenceSource_ = std::move(presence.source);
  presencePriority_ = presence.priority;
  presenceStatusMessage_ = std::move(presence.statusMessage);
  fields_.shared.status = presence.status;
}

void CBuddyProfile::AddResource(qo::String resource) {
  AddIfAbsent(buddy_.resourceList, std::move(resource));
}

void CBuddyProfile::RemoveResource(qo::String resource) {
  std::erase_if(buddy_.resourceList, [&](const qo::String& entry) {
    return qo::platform::EqualsNoCase(entry, resource);
  });
}

// Merged into a copy and swapped in: the buddy's own list may be passed, and a failed
// allocation leaves the list as it was.
void CBuddyProfile::SetResourceList(const qo::StringList& resources) {
  qo::StringList merged = buddy_.resourceList;
  for (const qo::String& resource : resources) AddIfAbsent(merged, resource);
  buddy_.resourceList.swap(merged);
}

qo::String CBuddyProfile::getQuilloID() {
  const qo::String* suffix = qo::TransportSuffixForDomain(buddy_.domain);
  if (suffix == nullptr) return fields_.shared.quilloId;
  return BeforeFirstAt(fields_.shared.quilloId) + *suffix;
}

qo::String CBuddyProfile::GetRealQuilloId() {
  return CutsAtFirstAt(buddy_.domain) ? BeforeFirstAt(fields_.shared.quilloId)
                                      : fields_.shared.quilloId;
}

std::int32_t CBuddyProfile::getBlii() {
  std::int32_t domain = getDomain();
  return qo::TransportSuffixForDomain(domain) != nullptr ? -1 : buddy_.blii;
}

qo::String CBuddyProfile::getScreenName() {
  return buddy_.domain >= 0 && buddy_.domain <= 7 ? buddy_.screenName : qo::String();
}

bool CBuddyProfile::isUnifiedAccount() {
  return getDomain() == 0 && CUserProfile::isUnifiedAccount();
}

// Our decision: a bit number outside 1 to 32 names no toggle bit and answers 0.
std::uint8_t CBuddyProfile::GetToogleStatus(std::int32_t bit) {
  if (bit < 1 || bit > 32) return 0;
  return static_cast<std::uint8_t>((buddy_.toggleFlags >> (bit - 1)) & 1u);
}
