// The plug-in: the host hands a separately built plug-in a UI element action that carries a
// data source with a copy of a buddy, and prints the containers the plug-in answers with.
#include <fstream>

#include "../plugin/demo_plugin.h"
#include "dialog_writers.h"
#include "host.h"
#include "system.h"

namespace demo {
namespace {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}

void PrintCommand(IPluginControlCommand* command) {
  qo::String greeting;
  std::int32_t offset = 0;
  std::uint32_t blii = 0;
  command->GetParam(demo_plugin::kGreetingParam, greeting);
  command->GetParam(demo_plugin::kOffsetParam, offset);
  command->GetParam(demo_plugin::kBuddyBliiParam, blii);
  std::printf("  a control command for dialog %s, control %u, function %u:\n",
              Hex(command->GetDialogId()).c_str(), static_cast<unsigned>(command->GetControlId()),
              static_cast<unsigned>(command->GetFunctionId()));
  PrintTable({{"parameter", "kind", "value"},
              {std::to_string(demo_plugin::kGreetingParam), "text", Utf8(greeting)},
              {std::to_string(demo_plugin::kOffsetParam), "signed", std::to_string(offset)},
              {std::to_string(demo_plugin::kBuddyBliiParam), "unsigned", std::to_string(blii)}});
}

void PrintWindow(IPluginWindowElement* window) {
  const DLGTEMPLATE* dialog = window->GetDialogTemplate();
  std::printf(
      "\n  a window element (window number %u) for dialog %s, loaded from the plug-in's "
      "resources:\n",
      static_cast<unsigned>(window->GetID()), Hex(window->GetDialogID()).c_str());
  if (dialog == nullptr) {
    std::printf("  (no dialog template)\n");
    return;
  }
  std::printf("  dialog template: %u controls, %d x %d dialog units, init data %s\n",
              static_cast<unsigned>(dialog->cdit), dialog->cx, dialog->cy,
              window->GetDialogInit() != nullptr ? "present" : "absent");
  std::vector<IPluginWindowControl*> controls;
  window->GetControls(controls);  // lent by the element
  std::vector<std::vector<std::string>> table = {{"control", "label", "rectangle", "bitmap"}};
  for (IPluginWindowControl* control : controls) {
    const CRect rect = control->GetRect();
    table.push_back({std::to_string(control->GetID()), Utf8(control->GetLabel()),
                     std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
                         std::to_string(rect.Width()) + "x" + std::to_string(rect.Height()),
                     control->GetBitmap() != nullptr ? "loaded" : "-"});
  }
  PrintTable(table);
}

// Draws dialog `id` of the plug-in's resources as an SVG picture in `path`, with the dialog
// library that qodata-dialog draws with.
void WritePicture(void* plugin, std::uint16_t id, const char* path) {
  const std::vector<std::uint8_t> bytes = PluginDialog(plugin, demo_plugin::kResourceFile, id);
  std::string error = "no such dialog among the plug-in's resources";
  std::optional<qo::dialog::DialogTemplate> dialog;
  if (!bytes.empty()) dialog = qo::dialog::ReadDialogTemplate(bytes.data(), bytes.size(), &error);
  if (!dialog) {
    std::printf("  no picture of dialog %u: %s\n", static_cast<unsigned>(id), error.c_str());
    return;
  }
  const std::string caption = Utf8(dialog->title);
  std::ofstream out(path, std::ios::binary);
  if (!(out << qo::dialog::DialogsToSvg({{id, std::move(*dialog)}})) || !out.flush()) {
    std::printf("  cannot write the picture of dialog %u to %s\n", static_cast<unsigned>(id), path);
    return;
  }
  std::printf("  picture of dialog %u \"%s\" written to %s\n", static_cast<unsigned>(id),
              caption.c_str(), path);
}

}  // namespace

void ShowPlugin(Context& context, IBuddyList* buddies, const char* pluginPath,
                const char* picturePath) {
  Heading("A plug-in");
  void* plugin = LoadModule(pluginPath);
  auto run =
      plugin
          ? reinterpret_cast<PFN_QodataDemoPluginRun>(FindEntryPoint(plugin, "QodataDemoPluginRun"))
          : nullptr;
  if (run == nullptr) {
    std::printf("  cannot load the plug-in %s: %s\n", pluginPath, LoadError().c_str());
    if (plugin != nullptr) UnloadModule(plugin);
    return;
  }

  IDataContainer* made = nullptr;
  context.factory->CreateInstance(CONTAINER_PLUGIN_UI_ELEMENT, &made);
  auto* element = static_cast<IPluginUIElement*>(context.ledger.Took(made));
  element->SetLabel(u"Buddy card");
  element->SetCommandId(4001);
  context.factory->CreateInstance(CONTAINER_DATA_SOURCE, &made);
  auto* source = static_cast<IDataSource*>(context.ledger.Took(made));
  source->SetDataType(CONTAINER_BUDDY_PROFILE);
  source->SetData(buddies->getBuddyProfileRecord(qo::String(u"carol")));  // keeps a clone
  context.factory->CreateInstance(CONTAINER_PLUGIN_UI_ELEMENT_ACTION, &made);
  auto* action = static_cast<IPluginUIElementAction*>(context.ledger.Took(made));
  action->SetPluginUIElement(element);  // the action keeps copies of both
  action->SetData(source);
  context.ledger.Gave(element);
  context.ledger.Gave(source);
  std::printf("  handing the plug-in the action \"Buddy card\" with a copy of carol\n\n");

  IDataContainer* reply = nullptr;
  const HRESULT result = run(context.appCom, action, &reply);
  context.ledger.Gave(action);
  if (result != S_OK || reply == nullptr) {
    std::printf("  the plug-in answered 0x%08X\n", static_cast<unsigned>(result));
    UnloadModule(plugin);
    return;
  }
  auto* answer = static_cast<IQoDataCollection*>(context.ledger.Took(reply));
  std::printf("  the plug-in answered with %d containers:\n", answer->GetCount());
  for (POSITION position = answer->GetHeadPosition(); position != nullptr;) {
    IDataContainer* item = answer->GetNext(position);  // lent by the collection
    if (item->GetType() == CONTAINER_PLUGIN_CONTROL_COMMAND) {
      PrintCommand(static_cast<IPluginControlCommand*>(item));
    } else if (item->GetType() == CONTAINER_PLUGIN_WINDOW_ELEMENT) {
      auto* window = static_cast<IPluginWindowElement*>(item);
      PrintWindow(window);
      WritePicture(plugin, static_cast<std::uint16_t>(window->GetDialogID()), picturePath);
    }
  }
  context.ledger.Gave(answer);  // before the plug-in goes: its templates point into its module
  UnloadModule(plugin);
}

}  // namespace demo
