// The signed-in user's profile: identifier normalisation and a profile request.
#include "host.h"

namespace demo {

void ShowProfiles(Context& context) {
  Heading("The user's profile");
  IDataContainer* container = nullptr;
  context.factory->CreateInstance(CONTAINER_USER_PROFILE, &container);
  auto* profile = static_cast<IUserProfile*>(context.ledger.Took(container));

  std::vector<std::vector<std::string>> ids = {
      {"identifier as received", "stored", "unified account"}};
  for (const qo::String& raw : {qo::String(u"Alice.Smith"), qo::String(u"0170555123"),
                                qo::String(u"BobRoss@TRANSPORT_HOTMAIL.COM/home")}) {
    profile->setQuilloID(raw);
    ids.push_back(
        {Utf8(raw), Utf8(profile->getQuilloID()), profile->isUnifiedAccount() ? "yes" : "no"});
  }
  PrintTable(ids);

  void* second = nullptr;
  profile->GetDataInterface(CONTAINER_USER_PROFILE_01, &second);
  auto* settings = static_cast<IUserProfile_01*>(
      context.ledger.Took(static_cast<IDataContainer*>(static_cast<IUserProfile_01*>(second))));
  settings->setSettings(0x82);  // bits the request does not drive survive it
  qo::StringMap request = {{u"FIRST_NAME", u"Alice"}, {u"last_name", u"Smith"},
                           {u"sound", u"1"},          {u"idle", u"15"},
                           {u"is_verified", u"TRUE"}, {u"email_updates", u"0"}};
  settings->SetProfileRqst(request, 1);
  std::printf("\n  profile request applied (%zu keys):\n", request.size());
  char bits[16];
  std::snprintf(bits, sizeof bits, "0x%02X", static_cast<unsigned>(settings->getSettings()));
  PrintTable({{"field", "value"},
              {"name", Utf8(profile->getFirstName()) + " " + Utf8(profile->getLastName())},
              {"idle time", std::to_string(profile->getIdleTime())},
              {"e-mail verified", std::to_string(settings->isEmailVerified())},
              {"settings bits", bits}});

  qo::StringMap kept;
  settings->GetProfileRqst(kept);
  std::printf("  the kept request now says idle = %s\n", Utf8(kept[u"idle"]).c_str());

  qo::StringMap bad = {{u"birthday", u"1985-13-01"}};
  try {
    settings->SetProfileRqst(bad, 1);
  } catch (const qo::StatusError& error) {
    std::printf("  birthday \"1985-13-01\" refused with status 0x%08X\n",
                static_cast<unsigned>(error.code()));
  }

  context.ledger.Gave(settings);
  context.ledger.Gave(profile);
}

}  // namespace demo
