// The dialog-template reader on any bytes: it refuses them with a reason or reads a template
// whose every field came from inside them (AddressSanitizer sees a read past them), and the
// SVG and text writers draw whatever it read. The same bytes, read as a .res file, go through
// the small resource finder of the demo host.
#include <cstdint>
#include <string>

#include "dialog_template.h"
#include "dialog_writers.h"
#include "fuzz_input.h"
#include "res_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> file(data, data + size);
  if (auto found = qo::dialog::FindResourceData(file, 5, 101); found && found->size() > size)
    qo::fuzz::Fail("res");
  std::string error;
  auto dialog = qo::dialog::ReadDialogTemplate(data, size, &error);
  if (!dialog) {
    if (error.empty()) qo::fuzz::Fail("refused without a reason");
    return 0;
  }
  if (dialog->items.size() > size / 18) qo::fuzz::Fail("more items than the bytes can hold");
  const std::vector<qo::dialog::NumberedDialog> dialogs = {{1, std::move(*dialog)}};
  if (qo::dialog::DialogsToSvg(dialogs).find("</svg>") == std::string::npos) qo::fuzz::Fail("svg");
  if (qo::dialog::DialogsToText(dialogs).empty()) qo::fuzz::Fail("text");
  return 0;
}
