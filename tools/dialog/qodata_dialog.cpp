// qodata-dialog: draws the dialogs of a compiled resource file (.res) as an SVG picture, or
// lists them as a table, reading them as the library's window elements load them.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dialog_template.h"
#include "dialog_units.h"
#include "dialog_writers.h"
#include "platform/contract.h"
#include "qodata/platform.h"

namespace {

using namespace qo::dialog;

constexpr const char* kUsage =
    "usage: qodata-dialog FILE.res [--id N]... [--lang LANGID] [--svg OUT.svg | --text]\n"
    "\n"
    "Draws the dialogs of a compiled Windows resource file (as llvm-rc or windres make it from\n"
    "an .rc script) as an SVG picture, one below the other, or lists them as a table.\n"
    "\n"
    "  --id N         only dialog N (decimal or 0x hex); may be repeated; without it, every\n"
    "                 dialog of the file with a numeric name, in ascending order\n"
    "  --lang LANGID  look dialogs up in this Windows language (e.g. 0x0407 for German),\n"
    "                 as the library's window elements do; without it, the locale's language\n"
    "  --svg OUT.svg  write the picture to OUT.svg (without --svg or --text it goes to\n"
    "                 standard output)\n"
    "  --text         print a table of each dialog's fields and controls instead\n"
    "\n"
    "Dialog units become pixels as on Windows: x pixels = x units * base x / 4 and y pixels =\n"
    "y units * base y / 8, for positions and sizes alike, rounded to the nearest. The base\n"
    "units are the dialog font's average character width and height, which we estimate\n"
    "from its point size:\n";

struct Options {
  std::string file;
  std::vector<std::uint16_t> ids;
  long language = -1;
  std::string svgPath;
  bool text = false;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "qodata-dialog: %s\n", message.c_str());
  return 1;
}

int UsageError(const std::string& message) {
  Fail(message);
  return 2;
}

bool ParseNumber(const char* text, unsigned long limit, unsigned long& out) {
  char* end = nullptr;
  errno = 0;
  out = std::strtoul(text, &end, 0);
  return text[0] != '\0' && text[0] != '-' && *end == '\0' && errno == 0 && out <= limit;
}

// Returns 0 when the options are good, 2 (after printing why) when not; -1 for --help.
int ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    unsigned long number = 0;
    if (arg == "--help" || arg == "-h") return -1;
    if (arg == "--id" && hasValue) {
      if (!ParseNumber(argv[++i], 0xFFFF, number))
        return UsageError("not a dialog id: " + std::string(argv[i]));
      options.ids.push_back(static_cast<std::uint16_t>(number));
    } else if (arg == "--lang" && hasValue) {
      if (!ParseNumber(argv[++i], 0xFFFF, number))
        return UsageError("not a language id: " + std::string(argv[i]));
      options.language = static_cast<long>(number);
    } else if (arg == "--svg" && hasValue) {
      options.svgPath = argv[++i];
    } else if (arg == "--text") {
      options.text = true;
    } else if (arg.rfind("--", 0) == 0) {
      return UsageError("unknown or incomplete option " + arg + " (see --help)");
    } else if (options.file.empty()) {
      options.file = arg;
    } else {
      return UsageError("more than one file: " + arg);
    }
  }
  if (options.file.empty()) return UsageError("no resource file given (see --help)");
  if (options.text && !options.svgPath.empty())
    return UsageError("--svg and --text exclude each other");
  return 0;
}

// The bytes of dialog `id` as the library finds it (in the chosen language), or null.
const std::uint8_t* DialogBytes(HINSTANCE module, std::uint16_t id, std::size_t& size) {
  qo::platform::ResourceHandle found =
      qo::platform::FindResource(module, id, qo::platform::kResourceTypeDialog);
  size = qo::platform::SizeofResource(module, found);
  return static_cast<const std::uint8_t*>(
      qo::platform::LockResource(qo::platform::LoadResource(module, found)));
}

// Every dialog of the module with a numeric name: the library looks resources up by number,
// so we ask it for each; text-named dialogs cannot be loaded by a window element and are skipped.
std::vector<std::uint16_t> AllDialogIds(HINSTANCE module) {
  std::vector<std::uint16_t> ids;
  for (unsigned id = 0; id <= 0xFFFF; ++id) {
    if (qo::platform::FindResource(module, static_cast<std::uint16_t>(id),
                                   qo::platform::kResourceTypeDialog)) {
      ids.push_back(static_cast<std::uint16_t>(id));
    }
  }
  return ids;
}

std::string IdList(const std::vector<std::uint16_t>& ids) {
  std::string list;
  for (std::uint16_t id : ids) list += (list.empty() ? "" : ", ") + std::to_string(id);
  return list.empty() ? "none" : list;
}

int Run(const Options& options) {
  std::ifstream probe(options.file, std::ios::binary);
  if (!probe) return Fail("cannot open " + options.file + ": " + std::strerror(errno));
  if (options.language >= 0)
    qo::platform::SetResourceLanguage(static_cast<std::uint16_t>(options.language));
  HINSTANCE module = qo::platform::LoadResourceModule(options.file.c_str());
  if (module == nullptr)
    return Fail(options.file + " is not a compiled resource file (.res), or it is malformed");
  const std::vector<std::uint16_t> available = AllDialogIds(module);
  const std::vector<std::uint16_t>& chosen = options.ids.empty() ? available : options.ids;
  std::vector<NumberedDialog> dialogs;
  int status = 0;
  for (std::uint16_t id : chosen) {
    std::size_t size = 0;
    const std::uint8_t* bytes = DialogBytes(module, id, size);
    std::string error;
    if (bytes == nullptr) {
      status = Fail(options.file + " has no dialog " + std::to_string(id) +
                    " (its dialogs: " + IdList(available) + ")");
    } else if (auto dialog = ReadDialogTemplate(bytes, size, &error)) {
      dialogs.push_back({id, std::move(*dialog)});
    } else {
      status =
          Fail("dialog " + std::to_string(id) + " of " + options.file + " is malformed: " + error);
    }
  }
  qo::platform::FreeResourceModule(module);
  if (status != 0) return status;
  if (dialogs.empty()) return Fail(options.file + " holds no dialog");

  const std::string output = options.text ? DialogsToText(dialogs) : DialogsToSvg(dialogs);
  if (options.svgPath.empty()) {
    std::fwrite(output.data(), 1, output.size(), stdout);
    return 0;
  }
  std::ofstream svg(options.svgPath, std::ios::binary);
  if (!(svg << output) || !svg.flush()) return Fail("cannot write " + options.svgPath);
  std::printf("wrote %zu dialog%s to %s\n", dialogs.size(), dialogs.size() == 1 ? "" : "s",
              options.svgPath.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const int parsed = ParseOptions(argc, argv, options);
  if (parsed == -1) {
    std::printf("%s%s", kUsage, kBaseUnitsRule);
    return 0;
  }
  if (parsed != 0) return parsed;
  return Run(options);
}
