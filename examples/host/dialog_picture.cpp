// The picture of the plug-in's dialog: the host reads the dialog from the plug-in's resource
// file (beside the plug-in, where the plug-in loads it from) and draws it as an SVG file.
#include <fstream>
#include <iterator>

#include "dialog_template.h"
#include "dialog_writers.h"
#include "host.h"
#include "res_file.h"

namespace demo {

void WriteDialogPicture(const char* pluginPath, std::uint32_t dialogId, const char* picturePath) {
  std::string resources = pluginPath;
  resources = resources.substr(0, resources.find_last_of("/\\") + 1) + "demo_plugin.res";
  std::ifstream file(resources, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto id = static_cast<std::uint16_t>(dialogId & 0xFFFF);  // as the window element looks it up
  const auto data = qo::dialog::FindResourceData(bytes, 5, id);
  std::string error = "no dialog " + std::to_string(id) + " in " + resources;
  auto dialog = data ? qo::dialog::ReadDialogTemplate(data->data(), data->size(), &error) : std::nullopt;
  if (!dialog) {
    std::printf("  (no picture of the dialog: %s)\n", error.c_str());
    return;
  }
  std::ofstream picture(picturePath, std::ios::binary);
  picture << qo::dialog::DialogsToSvg({{id, std::move(*dialog)}});
  if (!picture.flush()) {
    std::printf("  (cannot write the picture of the dialog to %s)\n", picturePath);
    return;
  }
  std::printf("  wrote a picture of dialog %u to %s\n", static_cast<unsigned>(id), picturePath);
}

}  // namespace demo
