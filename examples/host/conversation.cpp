// A conversation: messages with twelve-character time texts and recipients on several send
// media, gathered in a message list and read back newest first.
#include <ctime>

#include "host.h"
#include "system.h"

namespace demo {
namespace {

// The demo's own names for the send media it uses; the library files recipients by number.
const char* MediumName(std::int32_t medium) {
  switch (medium) {
    case 1:
      return "chat";
    case 2:
      return "sms";
    case 3:
      return "e-mail";
    default:
      return "?";
  }
}

std::string LocalTimeText(qo::Time time) {
  const std::time_t seconds = static_cast<std::time_t>(time);
  const std::tm parts = LocalParts(seconds);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

struct Line {
  const char16_t* from;
  const char16_t* to;
  const char16_t* text;
  const char16_t* stamp;  // YYMMDDhhmmss, local time
  const char16_t* buddyKey;
  std::int32_t medium;
  std::vector<std::pair<const char16_t*, std::int32_t>> alsoTo;
};

}  // namespace

void ShowConversation(Context& context, IBuddyList* buddies) {
  Heading("A conversation");
  IDataContainer* made = nullptr;
  context.factory->CreateInstance(CONTAINER_MESSAGE_LIST, &made);
  auto* messages = static_cast<IMessageList*>(context.ledger.Took(made));

  const Line lines[] = {
      {u"alice.smith",
       u"carol",
       u"Lunch at noon?",
       u"260315113000",
       u"carol",
       1,
       {{u"carol", 1}, {u"+4917055512", 2}}},
      {u"carol",
       u"alice.smith",
       u"Yes, the usual place.",
       u"260315113245",
       u"carol",
       1,
       {{u"alice.smith", 1}}},
      {u"alice.smith",
       u"davek",
       u"Dave, join us?",
       u"260315113510",
       u"davek@TRANSPORT_yahoo.com",
       1,
       {{u"davek", 1}, {u"frank.li", 1}, {u"davek", 1}}},
      {u"davek",
       u"alice.smith",
       u"On my way.",
       u"261315114000",
       u"davek@TRANSPORT_yahoo.com",
       2,
       {{u"alice.smith", 2}}},
      {u"alice.smith",
       u"erin",
       u"Minutes attached.",
       u"260315120102",
       u"erin@TRANSPORT_hotmail.com",
       3,
       {{u"erin@hotmail.com", 3}, {u"carol@mail.example", 3}}},
  };

  std::printf("  sending (a time text is YYMMDDhhmmss in local time):\n");
  for (const Line& line : lines) {
    IDataContainer* container = nullptr;
    context.factory->CreateInstance(CONTAINER_MESSAGE, &container);
    auto* message = static_cast<IMessage*>(context.ledger.Took(container));
    try {
      message->SetParameters(line.from, line.to, line.text,
                             static_cast<tagSEND_MEDIUM>(line.medium), qo::String(line.stamp));
    } catch (const qo::StatusError& error) {
      std::printf(
          "  ! time text \"%s\" of \"%s\" refused with status 0x%08X; the message is kept without "
          "a time\n",
          Utf8(line.stamp).c_str(), Utf8(line.text).c_str(), static_cast<unsigned>(error.code()));
    }
    for (const auto& [recipient, medium] : line.alsoTo) {
      message->addRecipient(recipient, static_cast<tagSEND_MEDIUM>(medium));  // duplicates refused
    }
    if (IBuddyProfile* buddy = buddies->getBuddyProfileRecord(qo::String(line.buddyKey))) {
      void* view = nullptr;
      message->GetDataInterface(CONTAINER_MESSAGE_01, &view);
      auto* withBuddy = context.ledger.Took(static_cast<IMessage_01*>(view));
      withBuddy->SetBuddyProfile(buddy, static_cast<tagSEND_MEDIUM>(line.medium));  // keeps a copy
      context.ledger.Gave(withBuddy);
    }
    if (line.text[0] == u'M')
      message->setAttachment(u"minutes.pdf", static_cast<tagATTACHMENT_TYPE>(1));
    messages->AddHead(message);  // the list keeps a copy; ours goes back
    context.ledger.Gave(message);
  }

  std::printf(
      "  recipients are filed under each message's own medium; a second \"davek\" was refused\n");
  std::printf("\n  the message list, newest first (%d messages):\n", messages->GetSize());
  std::vector<std::vector<std::string>> table = {
      {"sent", "from", "to", "text", "buddy copy", "recipients by medium"}};
  for (POSITION position = messages->GetHeadPosition(); position != nullptr;) {
    IMessage* message = messages->GetNext(position);  // lent by the list
    std::string recipients;
    for (std::int32_t medium = 1; medium <= 3; ++medium) {
      const qo::StringList* filed = message->getRecipient(static_cast<tagSEND_MEDIUM>(medium));
      if (filed == nullptr) continue;
      recipients += recipients.empty() ? "" : "; ";
      recipients += std::string(MediumName(medium)) + ":";
      for (const qo::String& who : *filed) recipients += " " + Utf8(who);
    }
    void* view = nullptr;
    message->GetDataInterface(CONTAINER_MESSAGE_01, &view);
    auto* withBuddy = context.ledger.Took(static_cast<IMessage_01*>(view));
    IBuddyProfile* buddy = withBuddy->GetBuddyProfile();
    std::string text = Utf8(message->getMessage());
    if (IMessageAttachment* attachment = message->getAttachmentInterface()) {
      text += " [" + Utf8(attachment->getAttachment()) + "]";
    }
    table.push_back(
        {message->getTimeStamp() != 0 ? LocalTimeText(message->getTimeStamp()) : "(none)",
         Utf8(message->getSender()), Utf8(message->getRecipient()), text,
         buddy ? Utf8(buddy->getQuilloID()) : "-", recipients});
    context.ledger.Gave(withBuddy);
  }
  PrintTable(table);
  context.ledger.Gave(messages);
}

}  // namespace demo
