// The input as a program over eight container slots: creates (data factory and
// application-communication object), clones, assignments, interface queries, releases, setters
// and the operations of the buddy list, the message list, data collections and the window
// element. Every container is released at the end, so LeakSanitizer sees any holder the library
// kept; the lists are checked against the counts their walks give.
#include <array>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "fuzz_input.h"
#include "qodata/qodata.h"

namespace {

using qo::Held;
using qo::fuzz::Fail;
using qo::fuzz::Input;
using Slots = std::array<Held<IDataContainer>, 8>;

// Containers that hold a clone of any container can be nested into one another, doubling in
// size each time; a budget per input keeps the programs fast.
int nestingBudget = 0;
IDataContainer* Nested(IDataContainer* other) { return nestingBudget-- > 0 ? other : nullptr; }

// The interface I of a slot's container with one holder of its own, or an empty handle.
template <class I>
Held<I> As(IDataContainer* container) {
  void* view = nullptr;
  const tagCONTAINER_DATATYPE code = qo::InterfaceCode<I>::value;
  if (container == nullptr || container->GetDataInterface(code, &view) != 1) return nullptr;
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

tagCONTAINER_DATATYPE Code(Input& in) { return static_cast<tagCONTAINER_DATATYPE>(in.Pick(36)); }
tagSEND_MEDIUM Medium(Input& in) { return static_cast<tagSEND_MEDIUM>(in.Pick(3)); }
std::int32_t Index(Input& in) { return static_cast<std::int32_t>(in.Pick(4)) - 1; }  // -1 to 2

// Mostly short identifiers that collide, so records get replaced and found.
qo::String Key(Input& in) {
  static constexpr const char16_t* kKeys[] = {
      u"amy", u"Amy", u"bob@TRANSPORT_yahoo.com", u"bob", u"a@b", u"", u"00x"};
  const std::uint8_t choice = in.Byte();
  return choice >= 0xF0 ? in.Text(8) : qo::String(kKeys[choice % std::size(kKeys)]);
}

// Each step function picks one operation and reads its arguments after the pick.
void BuddyListStep(Input& in, IBuddyList& list, IDataContainer* other) {
  Held<IBuddyProfile> profile = As<IBuddyProfile>(other);
  const std::size_t pick = in.Pick(10);
  if (pick == 0 && profile && list.addBuddyRecord(profile.get()) == 1) {
    const qo::String key = profile->getQuilloID();
    IBuddyProfile* record = list.getBuddyProfileRecord(key);
    if (record == nullptr || record == profile.get() || record->getQuilloID() != key)
      Fail("added record not found under its key");
  }
  if (pick == 1) list.removeBuddyRecord(Key(in));
  if (pick == 2) list.removeBuddyRecord(Index(in));
  if (pick == 3) list.updateBuddyRecord(Key(in), profile.get());
  if (pick == 4) {  // updating a record with itself, lent by the list
    IBuddyProfile* record = list.getBuddyProfileRecord(Key(in));
    if (record != nullptr) list.updateBuddyRecord(record, record);
  }
  if (pick == 5) {
    std::vector<IBuddyProfile*> copies;
    const std::int32_t count = list.getList(copies);
    if (count != list.size() || copies.size() != static_cast<std::size_t>(count))
      Fail("getList count");
    list.GetList(u"group", copies);
    list.clearCopyOfList(copies);
  }
  if (pick == 6) list.getBuddyProfileRecord(Index(in));
  if (pick == 7) list.clearList();
  if (pick == 7 && list.size() != 0) Fail("cleared list not empty");
  // A lent record changed behind the list's back is found by its new address and BLII.
  IBuddyProfile* changed = pick == 8 ? list.getBuddyProfileRecord(Key(in)) : nullptr;
  if (changed != nullptr) {
    const qo::String email = in.Byte() & 1 ? u"m@n" : u"p@q";
    As<IUserProfile>(changed)->setEmail(email);
    changed->setBLII(Index(in));
    changed->setDomain(static_cast<std::int32_t>(in.Pick(4)));
    IBuddyProfile* byEmail = list.getBuddyProfileRecord(email);
    if (byEmail == nullptr || byEmail->getEmail() != email) Fail("lookup by new e-mail");
    const std::int32_t blii = changed->getBlii();
    IBuddyProfile* byBlii = list.getBuddyProfileRecord(blii);
    if (byBlii == nullptr || byBlii->getBlii() != blii) Fail("lookup by new BLII");
  }
  auto* concrete = dynamic_cast<CBuddyList*>(&list);
  if (pick == 9 && concrete != nullptr) {
    if (auto* buddy = dynamic_cast<CBuddyProfile*>(other)) concrete->addBuddyRecord(*buddy);
    if (CBuddyProfile* copy = concrete->getBuddyRecord(Key(in)))
      concrete->updateBuddyRecord(u"copy", *copy);
  }
}

// The list steps end with a walk, which must count what the list says it holds.
void MessageListStep(Input& in, IMessageList& list, IDataContainer* other) {
  const std::size_t pick = in.Pick(3);  // 2: the walk only
  Held<IMessage> message = As<IMessage>(other);
  if (pick == 0 && message) list.AddHead(message.get());
  if (pick == 1) list.clear();
  std::int32_t walked = 0;
  for (POSITION p = list.GetHeadPosition(); p != nullptr; ++walked) list.GetNext(p);
  if (walked != list.GetSize()) Fail("message list walk");
}

void CollectionStep(Input& in, IQoDataCollection& collection, IDataContainer* other) {
  const std::size_t pick = in.Pick(4);  // 3: the walk only
  if (pick == 0) collection.Add(Nested(other));
  if (pick == 1) {
    POSITION at = collection.GetHeadPosition();
    for (std::size_t skip = in.Pick(4); at != nullptr && skip > 0; --skip) collection.GetNext(at);
    collection.RemoveAt(at);
  }
  if (pick == 2) collection.RemoveAll();
  std::int32_t walked = 0;
  for (POSITION p = collection.GetHeadPosition(); p != nullptr; ++walked) collection.GetNext(p);
  if (walked != collection.GetCount()) Fail("collection walk");
}

void WindowStep(Input& in, IPluginWindowElement& window) {
  const std::size_t pick = in.Pick(5);
  if (pick == 0)
    window.AddControl(in.Pick(4), in.Text(6), CRect(0, 0, in.Byte(), in.Byte()), in.Byte(),
                      in.Pick(3));
  if (pick == 1) {
    std::vector<IPluginWindowControl*> controls(3, nullptr);
    if (window.GetControls(controls) != controls.size()) Fail("GetControls count");
    for (IPluginWindowControl* control : controls) {
      if (window.GetControl(control->GetID()) != control) Fail("GetControl");
      control->AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(in.Pick(3)), in.Text(4));
    }
  }
  if (pick == 2) window.Copy()->Release();
  if (pick == 3 && (window.MoveWindow(CRect(), 1) != 0 || window.LoadResource(nullptr) != 0))
    Fail("window calls without a window or module");
  if (pick == 4) window.SetDialogID(in.Byte());
  if (pick == 4) window.ShowWindow(in.Byte());
}

// A setter of whatever the slot holds; `other` is a second slot's container (maybe null).
void SetStep(Input& in, IDataContainer* target, IDataContainer* other) {
  if (Held<IBuddyProfile> buddy = As<IBuddyProfile>(target)) {
    buddy->setDomain(static_cast<std::int32_t>(in.Pick(9)) - 1);
    buddy->setBLII(static_cast<std::int32_t>(in.Pick(3)));
    buddy->SetGroupName(in.Byte() & 1 ? u"group" : u"other");
  }
  if (Held<IBuddyProfile_01> more = As<IBuddyProfile_01>(target)) {
    more->AddResource(Key(in));
    more->SetPresence(
        _PRESENCE{static_cast<tagSTATUS>(in.Byte()), Key(in), in.Byte() - 128, Key(in)});
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
    message->addRecipient(Key(in), Medium(in));
    if (in.Byte() & 1)
      message->setAttachment(Key(in), static_cast<tagATTACHMENT_TYPE>(1));
    else
      message->removeAttachment();
    try {
      message->setTimeStamp(in.Text(12));
    } catch (const qo::StatusError&) {
    }
  }
  if (Held<IMessage_01> withBuddy = As<IMessage_01>(target))
    withBuddy->SetBuddyProfile(As<IBuddyProfile>(other).get(), Medium(in));
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
  if (Held<IApplicationEvent> event = As<IApplicationEvent>(target))
    event->SetApplicationEvent(in.Pick(3), in.Pick(10), Nested(other));
  if (Held<IPluginUIElementAction> action = As<IPluginUIElementAction>(target)) {
    action->SetPluginUIElement(As<IPluginUIElement>(other).get());
    action->SetData(As<IDataSource>(Nested(other)).get());
  }
  if (Held<ICreditList> credits = As<ICreditList>(target))
    credits->putCredit(As<ICredit>(other).get());
  Held<IAds> ads = As<IAds>(other);
  if (Held<IAdsList> list = As<IAdsList>(target); list && ads)
    list->AddTail(ads->Copy());  // the list takes it
  if (Held<ICagTokens> tokens = As<ICagTokens>(target)) {
    tokens->AddToken(Key(in));
    if (in.Byte() & 1) tokens->GetToken();
  }
}

void Step(Input& in, Slots& slots, IDataFactory& factory, IDataFactory2& appCom) {
  const std::uint8_t op = in.Byte() % 12;
  Held<IDataContainer>& target = slots[in.Pick(slots.size())];
  IDataContainer* other = slots[in.Pick(slots.size())].get();
  if (op == 0 || op == 1) {
    IDataContainer* made = nullptr;
    const tagCONTAINER_DATATYPE code = Code(in);
    const std::int32_t ok =
        op == 0 ? factory.CreateInstance(code, &made) : appCom.CreateContainer(code, &made);
    if ((ok == 1) != (made != nullptr)) Fail("creation result and pointer disagree");
    target = Held<IDataContainer>::Adopt(made);
  } else if (op == 2 && other != nullptr) {
    Held<IDataContainer> copy = Held<IDataContainer>::Adopt(other->Clone());
    if (copy->GetType() != other->GetType()) Fail("clone of another type");
    target = std::move(copy);
  } else if (op == 3 && target && (in.Byte() & 1)) {
    // Destroyed outright when the factory takes the code, else given back.
    IDataContainer* object = target.release();
    IDataContainer* inout = object;
    if (factory.ReleaseInstance(object->GetType(), &inout) == 0) object->Release();
  } else if (op == 3) {
    target.reset();
  } else if (op == 4 && target) {
    void* view = nullptr;
    if (target->GetDataInterface(Code(in), &view) == 1) {
      auto* container = static_cast<IDataContainer*>(view);
      if (container->GetType() != target->GetType()) Fail("view of another type");
      container->Release();
    }
    if (target->AddRef() != 1 || target->Release() != 1) Fail("AddRef or Release answer");
  } else if (op == 5 && target && other != nullptr) {
    AssignSameClass<CUserProfile, CBuddyProfile, CBuddyList, CMessage, CSystemMessage,
                    CMessageAttachment, CConnectionProperties, CXMPPConnProperties, CCagTokens,
                    CCredit, CCreditList, CAds, CIAdsList, CPluginInfo, CPluginUIElement,
                    CPluginUIElementAction, CPluginWindowElement, CPluginWindowControl,
                    CPluginControlCommand, PluginEventData, CQoDataSource>(target.get(), other);
  } else if (op == 6 && target) {
    SetStep(in, target.get(), other);
  } else if (op == 7) {
    if (auto list = As<IBuddyList>(target.get())) BuddyListStep(in, *list.get(), other);
  } else if (op == 8) {
    if (auto list = As<IMessageList>(target.get())) MessageListStep(in, *list.get(), other);
  } else if (op == 9) {
    if (auto items = As<IQoDataCollection>(target.get())) CollectionStep(in, *items.get(), other);
  } else if (op == 10) {
    if (auto window = As<IPluginWindowElement>(target.get())) WindowStep(in, *window.get());
  } else if (op == 11 && target) {
    // A container handed to itself: assignment, a collection or a bag taking itself.
    AssignSameClass<CBuddyList, CMessage, CCreditList, CIAdsList, CPluginWindowElement,
                    CQoDataSource, CUserProfile, CBuddyProfile>(target.get(), target.get());
    SetStep(in, target.get(), target.get());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  IDataFactory* factory = nullptr;
  void* appComView = nullptr;
  if (CreateDataFactoryInstance(&factory) != S_OK || CreateAppComInstance(&appComView) != S_OK)
    Fail("entry points");
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
