// The buddy list: buddies on several networks, presence updates by priority, and lookups by
// identifier, e-mail address and BLII.
#include <algorithm>

#include "host.h"

namespace demo {
namespace {

struct BuddySeed {
  const char16_t* id;  // as received from the network
  std::int32_t domain;
  const char16_t* first;
  const char16_t* last;
  const char16_t* email;
  std::int32_t blii;
  const char16_t* group;
};

const BuddySeed kBuddies[] = {
    {u"Carol", 0, u"Carol", u"Jones", u"carol@mail.example", 101, u"Friends"},
    {u"DaveK@TRANSPORT_YAHOO.COM", 2, u"Dave", u"King", u"dave@mail.example", 102, u"Work"},
    {u"erin@hotmail.com", 3, u"Erin", u"West", u"erin@hotmail.com", 103, u"Work"},
    {u"frank.li", 4, u"Frank", u"Li", u"frank@mail.example", 104, u"Friends"},
    {u"0170555123", 1, u"Gina", u"Ortiz", u"gina@mail.example", 105, u"Family"},
};

// The demo's own names for the status codes it uses; the library gives them no meaning.
const char* StatusName(std::int32_t status) {
  switch (status) {
    case 0:
      return "offline";
    case 1:
      return "online";
    case 2:
      return "away";
    case 3:
      return "busy";
    default:
      return "-";
  }
}

template <class Interface>
Interface* View(IDataContainer* container, tagCONTAINER_DATATYPE code, Ledger& ledger) {
  void* out = nullptr;
  container->GetDataInterface(code, &out);
  return ledger.Took(static_cast<Interface*>(out));
}

}  // namespace

IBuddyList* ShowBuddyList(Context& context) {
  Heading("The buddy list");
  IDataContainer* made = nullptr;
  context.factory->CreateInstance(CONTAINER_BUDDY_LIST, &made);
  auto* list = static_cast<IBuddyList*>(context.ledger.Took(made));

  for (const BuddySeed& seed : kBuddies) {
    IDataContainer* container = nullptr;
    context.factory->CreateInstance(CONTAINER_BUDDY_PROFILE, &container);
    auto* buddy = static_cast<IBuddyProfile*>(context.ledger.Took(container));
    auto* user = View<IUserProfile>(buddy, CONTAINER_USER_PROFILE, context.ledger);
    user->setQuilloID(seed.id);
    user->setName(seed.first, seed.last);
    user->setEmail(seed.email);
    buddy->setDomain(seed.domain);
    buddy->setBLII(seed.blii);
    buddy->SetGroupName(seed.group);
    buddy->setScreenName(qo::String(seed.first) + u" " + seed.last);
    list->addBuddyRecord(buddy);  // the list keeps a copy of its own
    context.ledger.Gave(user);
    context.ledger.Gave(buddy);
  }
  std::printf("  %d buddies added, each stored as a copy under its suffixed identifier\n",
              list->size());

  struct Update {
    const char16_t* key;
    std::int32_t status;
    std::int32_t priority;
    const char16_t* message;
  };
  const Update updates[] = {
      {u"carol", 1, 5, u"at my desk"},
      {u"carol", 2, 3, u"stepped out"},
      {u"carol", 3, 5, u"in a meeting"},
      {u"davek@TRANSPORT_yahoo.com", 1, 0, u"hello from the road"},
      {u"davek@TRANSPORT_yahoo.com", 0, -2, u"(stale)"},
      {u"erin@TRANSPORT_hotmail.com", 2, 1, u"lunch"},
  };
  std::printf(
      "\n  presence updates (accepted when the priority is not below the last accepted):\n");
  std::vector<std::vector<std::string>> presence = {
      {"buddy", "status", "priority", "message", "result"}};
  for (const Update& update : updates) {
    IBuddyProfile* record = list->getBuddyProfileRecord(qo::String(update.key));  // lent
    if (record == nullptr) continue;
    auto* presenceView = View<IBuddyProfile_01>(record, CONTAINER_BUDDY_PROFILE_01, context.ledger);
    presenceView->SetPresence(
        _PRESENCE{static_cast<tagSTATUS>(update.status), u"demo", update.priority, update.message});
    // Every update carries its own message, so the buddy's message tells whether it took.
    const bool accepted = record->getStatusMessage() == update.message;
    presence.push_back({Utf8(update.key), StatusName(update.status),
                        std::to_string(update.priority), Utf8(update.message),
                        accepted ? "accepted" : "ignored"});
    context.ledger.Gave(presenceView);
  }
  PrintTable(presence);

  std::printf("\n  lookups:\n");
  std::vector<std::vector<std::string>> lookups = {{"asked for", "by", "found"}};
  auto describe = [](IBuddyProfile* found) {
    return found ? Utf8(found->getFirstName()) + " " + Utf8(found->getLastName())
                 : std::string("nobody");
  };
  for (const char16_t* key : {u"davek@TRANSPORT_yahoo.com", u"carol@mail.example", u"@mail.example",
                              u"CAROL@MAIL.EXAMPLE"}) {
    lookups.push_back({Utf8(key), "identifier, then e-mail",
                       describe(list->getBuddyProfileRecord(qo::String(key)))});
  }
  for (std::int32_t blii : {105, 102}) {
    lookups.push_back({std::to_string(blii), "BLII", describe(list->getBuddyProfileRecord(blii))});
  }
  PrintTable(lookups);

  std::vector<IBuddyProfile*> copies;
  list->getList(copies);  // copies, ours until clearCopyOfList
  for (IBuddyProfile* copy : copies) context.ledger.Took(copy);
  std::sort(copies.begin(), copies.end(),
            [](IBuddyProfile* a, IBuddyProfile* b) { return a->getQuilloID() < b->getQuilloID(); });
  std::printf("\n  the list, from copies handed out by getList:\n");
  std::vector<std::vector<std::string>> table = {
      {"key (getQuilloID)", "network id", "name", "group", "BLII", "status", "status message"}};
  for (IBuddyProfile* copy : copies) {
    auto* buddy01 = View<IBuddyProfile_01>(copy, CONTAINER_BUDDY_PROFILE_01, context.ledger);
    table.push_back({Utf8(copy->getQuilloID()), Utf8(buddy01->GetRealQuilloId()),
                     Utf8(copy->getFirstName()) + " " + Utf8(copy->getLastName()),
                     Utf8(copy->GetGroupName()), std::to_string(copy->getBlii()),
                     StatusName(copy->getStatus()), Utf8(copy->getStatusMessage())});
    context.ledger.Gave(buddy01);
  }
  PrintTable(table);
  const int handedOut = static_cast<int>(copies.size());
  list->clearCopyOfList(copies);  // gives every copy back
  for (int i = 0; i < handedOut; ++i) context.ledger.GaveOutright();
  return list;
}

}  // namespace demo
