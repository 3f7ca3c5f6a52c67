// The input as a program over eight container slots: creates (data factory and
// application-communication object), clones, assignments, interface queries, releases and the
// operations of the buddy list, the message list, data collections, the window element and a
// few setters of the containers they hold. Every container is released at the end, so
// LeakSanitizer sees any holder the library kept; the lists are checked against the counts
// their walks give.
#include <array>
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "qodata/qodata.h"

namespace {

using qo::Held;
using Slots = std::array<Held<IDataContainer>, 8>;

// Containers that hold a clone of any container can be nested into one another, doubling in
// size each time; a budget per input keeps the programs fast.
int nestingBudget = 0;
IDataContainer* Nested(IDataContainer* other) { return nestingBudget-- > 0 ? other : nullptr; }

// The interface I of a slot's container with one holder of its own, or an empty handle.
template <class I>
Held<I> As(IDataContainer* container) {
  void* view = nullptr;
  if (container == nullptr ||
      container->GetDataInterface(qo::InterfaceCode<I>::value, &view) != 1) {
    return nullptr;
  }
  return Held<I>::Adopt(static_cast<I*>(view));
}

// Assignment between two containers of the same class, for the classes offered directly.
template <class... Classes>
void AssignSameClass(IDataContainer* target, IDataContainer* source) {
  (void)((dynamic_cast<Classes*>(target) != nullptr && dynamic_cast<Classes*>(source) != nullptr
              ? (*dynamic_cast<Classes*>(target) = *dynamic_cast<Classes*>(source), true)
              : false) ||
         ...);
}

tagCONTAINER_DATATYPE Code(qo::fuzz::Input& in) {
  return static_cast<tagCONTAINER_DATATYPE>(in.Pick(36));
}

// Mostly short identifiers that collide, so records get replaced and found.
qo::String Key(qo::fuzz::Input& in) {
  static constexpr const char16_t* kKeys[] = {
      u"amy", u"Amy", u"bob@TRANSPORT_yahoo.com", u"bob", u"a@b", u"", u"00x"};
  const std::uint8_t choice = in.Byte();
  if (choice >= 0xF0) return in.Text(8);
  return kKeys[choice % (sizeof kKeys / sizeof kKeys[0])];
}

void BuddyListStep(qo::fuzz::Input& in, IBuddyList& list, IDataContainer* other) {
  Held<IBuddyProfile> profile = As<IBuddyProfile>(other);
  switch (in.Pick(10)) {
    case 0:
      if (profile && list.addBuddyRecord(profile.get()) == 1) {
        const qo::String key = profile->getQuilloID();
        IBuddyProfile* record = list.getBuddyProfileRecord(key);
        if (record == nullptr || record == profile.get() || record->getQuilloID() != key) {
          qo::fuzz::Fail("added record not found under its key");
        }
      }
      break;
    case 1:
      list.removeBuddyRecord(Key(in));
      break;
    case 2:
      list.removeBuddyRecord(static_cast<std::int32_t>(in.Pick(4)) - 1);
      break;
    case 3:
      list.updateBuddyRecord(Key(in), profile.get());
      break;
    case 4: {
      // Updating a record with itself, lent by the list.
      IBuddyProfile* record = list.getBuddyProfileRecord(Key(in));
      if (record != nullptr) list.updateBuddyRecord(record, record);
      break;
    }
    case 5: {
      std::vector<IBuddyProfile*> copies;
      const std::int32_t count = list.getList(copies);
      if (count != list.size() || copies.size() != static_cast<std::size_t>(count)) {
        qo::fuzz::Fail("getList count");
      }
      list.GetList(u"group", copies);
      list.clearCopyOfList(copies);
      break;
    }
    case 6:
      list.getBuddyProfileRecord(static_cast<std::int32_t>(in.Pick(4)) - 1);
      break;
    case 7:
      list.clearList();
      if (list.size() != 0) qo::fuzz::Fail("cleared list not empty");
      break;
    case 8: {
      // A lent record changed behind the list's back is found by its new address and BLII.
      IBuddyProfile* record = list.getBuddyProfileRecord(Key(in));
      if (record == nullptr) break;
      const qo::String email = in.Byte() & 1 ? u"m@n" : u"p@q";
      As<IUserProfile>(record)->setEmail(email);
      record->setBLII(static_cast<std::int32_t>(in.Pick(4)) - 1);
      record->setDomain(static_cast<std::int32_t>(in.Pick(4)));
      IBuddyProfile* byEmail = list.getBuddyProfileRecord(email);
      if (byEmail == nullptr || byEmail->getEmail() != email)
        qo::fuzz::Fail("lookup by new e-mail");
      const std::int32_t blii = record->getBlii();
      IBuddyProfile* byBlii = list.getBuddyProfileRecord(blii);
      if (byBlii == nullptr || byBlii->getBlii() != blii) qo::fuzz::Fail("lookup by new BLII");
      break;
    }
    default:
      if (auto* concrete = dynamic_cast<CBuddyList*>(&list)) {
        if (auto* buddy = dynamic_cast<CBuddyProfile*>(other)) concrete->addBuddyRecord(*buddy);
        if (CBuddyProfile* record = concrete->getBuddyRecord(Key(in)))
          concrete->updateBuddyRecord(u"copy", *record);
      }
      break;
  }
}

void MessageListStep(qo::fuzz::Input& in, IMessageList& list, IDataContainer* other) {
  switch (in.Pick(3)) {
    case 0:
      if (Held<IMessage> message = As<IMessage>(other)) list.AddHead(message.get());
      break;
    case 1:
      list.clear();
      break;
    default: {
      std::int32_t walked = 0;
      for (POSITION p = list.GetHeadPosition(); p != nullptr; ++walked) list.GetNext(p);
      if (walked != list.GetSize()) qo::fuzz::Fail("message list walk");
      break;
    }
  }
}

void CollectionStep(qo::fuzz::Input& in, IQoDataCollection& collection, IDataContainer* other) {
  switch (in.Pick(4)) {
    case 0:
      collection.Add(Nested(other));
      break;
    case 1: {
      POSITION p = collection.GetHeadPosition();
      for (std::size_t skip = in.Pick(4); p != nullptr && skip > 0; --skip) collection.GetNext(p);
      collection.RemoveAt(p);
      break;
    }
    case 2:
      collection.RemoveAll();
      break;
    default: {
      std::int32_t walked = 0;
      for (POSITION p = collection.GetHeadPosition(); p != nullptr; ++walked) collection.GetNext(p);
      if (walked != collection.GetCount()) qo::fuzz::Fail("collection walk");
      break;
    }
  }
}

void WindowStep(qo::fuzz::Input& in, IPluginWindowElement& window) {
  switch (in.Pick(5)) {
    case 0:
      window.AddControl(in.Pick(4), in.Text(6), CRect(0, 0, in.Byte(), in.Byte()), in.Byte(),
                        in.Pick(3));
      break;
    case 1: {
      std::vector<IPluginWindowControl*> controls(3, nullptr);
      const std::uint32_t count = window.GetControls(controls);
      if (count != controls.size()) qo::fuzz::Fail("GetControls count");
      for (IPluginWindowControl* control : controls) {
        if (window.GetControl(control->GetID()) != control) qo::fuzz::Fail("GetControl");
        control->AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(in.Pick(3)), in.Text(4));
      }
      break;
    }
    case 2:
      window.Copy()->Release();
      break;
    case 3:
      if (window.MoveWindow(CRect(), 1) != 0 || window.LoadResource(nullptr) != 0) {
        qo::fuzz::Fail("window calls without a window or module");
      }
      break;
    default:
      window.SetDialogID(in.Byte());
      window.ShowWindow(in.Byte());
      break;
  }
}

// A setter of whatever the slot holds; `other` is a second slot's container (maybe null).
void SetStep(qo::fuzz::Input& in, IDataContainer* target, IDataContainer* other) {
  if (Held<IBuddyProfile> buddy = As<IBuddyProfile>(target)) {
    buddy->setDomain(static_cast<std::int32_t>(in.Pick(9)) - 1);
    buddy->setBLII(static_cast<std::int32_t>(in.Pick(3)));
    buddy->SetGroupName(in.Byte() & 1 ? u"group" : u"other");
    if (Held<IBuddyProfile_01> more = As<IBuddyProfile_01>(target)) {
      more->AddResource(Key(in));
      more->SetPresence(
          _PRESENCE{static_cast<tagSTATUS>(in.Byte()), Key(in), in.Byte() - 128, Key(in)});
    }
  }
  if (Held<IUserProfile> user = As<IUserProfile>(target)) {
    user->setQuilloID(Key(in));
    user->setEmail(Key(in));
  }
  if (Held<IUserProfile_01> user = As<IUserProfile_01>(target)) {
    user->AddStatus(eSAVED_STATUS{in.Byte(), Key(in), in.Number()});
    qo::StringMap request{{u"first_name", Key(in)}, {u"birthday", in.Text(10)}};
    try {
      user->SetProfileRqst(request, 1);
    } catch (const qo::StatusError&) {
    }
  }
  if (Held<IMessage> message = As<IMessage>(target)) {
    message->addRecipient(Key(in), static_cast<tagSEND_MEDIUM>(in.Pick(3)));
    if (in.Byte() & 1)
      message->setAttachment(Key(in), static_cast<tagATTACHMENT_TYPE>(1));
    else
      message->removeAttachment();
    try {
      message->setTimeStamp(in.Text(12));
    } catch (const qo::StatusError&) {
    }
    if (Held<IMessage_01> withBuddy = As<IMessage_01>(target)) {
      Held<IBuddyProfile> buddy = As<IBuddyProfile>(other);
      withBuddy->SetBuddyProfile(buddy.get(), static_cast<tagSEND_MEDIUM>(in.Pick(3)));
    }
  }
  if (Held<IGenericDataContainer> bag = As<IGenericDataContainer>(target)) {
    bag->SetString(Key(in), Key(in));
    bag->SetContainer(Key(in), Nested(other));
    IDataContainer* copy = nullptr;
    if (bag->GetContainer(Key(in), &copy) == 1) copy->Release();
  }
  if (Held<IDataSource> source = As<IDataSource>(target)) {
    source->SetData(Nested(other));
    IBuddyProfile* buddy = nullptr;
    if (source->GetDataInterface(&buddy) == 1) buddy->Release();
  }
  if (Held<IWebRequest> request = As<IWebRequest>(target)) {
    const qo::String name = Key(in);
    request->AddPart(name, Key(in));
    const std::uint8_t bytes[3] = {in.Byte(), in.Byte(), in.Byte()};
    request->SetPartData(name, 1, 2, bytes, in.Pick(4));
    std::uint32_t type = 0, flags = 0, length = 0;
    std::uint8_t* buffer = nullptr;
    if (request->GetPartData(Key(in), type, flags, buffer, length) >= 0) std::free(buffer);
    request->SetParameter(Key(in), Key(in));
    request->SetUserData(Nested(other));
  }
  if (Held<IApplicationEvent> event = As<IApplicationEvent>(target)) {
    event->SetApplicationEvent(in.Pick(3), in.Pick(10), Nested(other));
  }
  if (Held<IPluginUIElementAction> action = As<IPluginUIElementAction>(target)) {
    Held<IPluginUIElement> element = As<IPluginUIElement>(other);
    action->SetPluginUIElement(element.get());
    Held<IDataSource> data = As<IDataSource>(Nested(other));
    action->SetData(data.get());
  }
  if (Held<ICreditList> credits = As<ICreditList>(target)) {
    Held<ICredit> credit = As<ICredit>(other);
    credits->putCredit(credit.get());
  }
  if (Held<IAdsList> ads = As<IAdsList>(target)) {
    if (Held<IAds> one = As<IAds>(other)) ads->AddTail(one->Copy());  // the list takes it
  }
  if (Held<ICagTokens> tokens = As<ICagTokens>(target)) {
    tokens->AddToken(Key(in));
    if (in.Byte() & 1) tokens->GetToken();
  }
}

void Step(qo::fuzz::Input& in, Slots& slots, IDataFactory& factory, IDataFactory2& appCom) {
  const std::uint8_t op = in.Byte();
  Held<IDataContainer>& target = slots[in.Pick(slots.size())];
  IDataContainer* other = slots[in.Pick(slots.size())].get();
  switch (op % 12) {
    case 0:
    case 1: {
      IDataContainer* made = nullptr;
      const tagCONTAINER_DATATYPE code = Code(in);
      const std::int32_t ok =
          op % 12 == 0 ? factory.CreateInstance(code, &made) : appCom.CreateContainer(code, &made);
      if ((ok == 1) != (made != nullptr)) qo::fuzz::Fail("creation result and pointer disagree");
      target = Held<IDataContainer>::Adopt(made);
      break;
    }
    case 2:
      if (other != nullptr) {
        Held<IDataContainer> copy = Held<IDataContainer>::Adopt(other->Clone());
        if (copy->GetType() != other->GetType()) qo::fuzz::Fail("clone of another type");
        target = std::move(copy);
      }
      break;
    case 3:
      if (target && (in.Byte() & 1)) {
        // Destroyed outright when the factory takes the code, else given back.
        IDataContainer* object = target.release();
        IDataContainer* inout = object;
        if (factory.ReleaseInstance(object->GetType(), &inout) == 0) object->Release();
      } else {
        target.reset();
      }
      break;
    case 4:
      if (target) {
        void* view = nullptr;
        if (target->GetDataInterface(Code(in), &view) == 1) {
          auto* container = static_cast<IDataContainer*>(view);
          if (container->GetType() != target->GetType()) qo::fuzz::Fail("view of another type");
          container->Release();
        }
        target->AddRef();
        target->Release();
      }
      break;
    case 5:
      if (target && other != nullptr) {
        AssignSameClass<CUserProfile, CBuddyProfile, CBuddyList, CMessage, CSystemMessage,
                        CMessageAttachment, CConnectionProperties, CXMPPConnProperties, CCagTokens,
                        CCredit, CCreditList, CAds, CIAdsList, CPluginInfo, CPluginUIElement,
                        CPluginUIElementAction, CPluginWindowElement, CPluginWindowControl,
                        CPluginControlCommand, PluginEventData, CQoDataSource>(target.get(), other);
      }
      break;
    case 6:
      if (target) SetStep(in, target.get(), other);
      break;
    case 7:
      if (Held<IBuddyList> list = As<IBuddyList>(target.get()))
        BuddyListStep(in, *list.get(), other);
      break;
    case 8:
      if (Held<IMessageList> list = As<IMessageList>(target.get()))
        MessageListStep(in, *list.get(), other);
      break;
    case 9:
      if (Held<IQoDataCollection> items = As<IQoDataCollection>(target.get()))
        CollectionStep(in, *items.get(), other);
      break;
    case 10:
      if (Held<IPluginWindowElement> window = As<IPluginWindowElement>(target.get()))
        WindowStep(in, *window.get());
      break;
    default:
      // A container handed to itself: assignment, a collection or a bag taking itself.
      if (target) {
        AssignSameClass<CBuddyList, CMessage, CCreditList, CIAdsList, CPluginWindowElement,
                        CQoDataSource, CUserProfile, CBuddyProfile>(target.get(), target.get());
        SetStep(in, target.get(), target.get());
      }
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qo::fuzz::Input in(data, size);
  IDataFactory* factory = nullptr;
  void* appComView = nullptr;
  if (CreateDataFactoryInstance(&factory) != S_OK || CreateAppComInstance(&appComView) != S_OK) {
    qo::fuzz::Fail("entry points");
  }
  auto* appCom = static_cast<IDataFactory2*>(static_cast<IApplicationCom*>(appComView));
  nestingBudget = 12;
  {
    Slots slots;
    for (int steps = 0; !in.empty() && steps < 64; ++steps) Step(in, slots, *factory, *appCom);
  }
  IApplicationCom* destroyed = appCom;
  DestroyAppComInstance(&destroyed);
  FreeDataFactoryInstance(&factory);
  return 0;
}
