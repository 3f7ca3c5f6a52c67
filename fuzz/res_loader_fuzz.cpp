// The .res loader on any bytes: it refuses them or makes a module whose every found resource
// lies inside the bytes (AddressSanitizer sees a read past them), bitmaps made from it are
// all deleted again, and a window element loads its dialog and control bitmaps from it.
#include <cstdint>
#include <numeric>
#include <vector>

#include "fuzz_input.h"
#include "platform/contract.h"
#include "qodata/plugin_window.h"

namespace {

using namespace qo::platform;

// Candidate resource names: every word that follows a 0xFFFF marker, as numeric names are
// written in the file, and a few fixed ones.
std::vector<std::uint16_t> CandidateNames(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint16_t> names = {0, 1, 101, 201};
  for (std::size_t i = 0; i + 3 < size && names.size() < 64; i += 2) {
    if (data[i] == 0xFF && data[i + 1] == 0xFF)
      names.push_back(static_cast<std::uint16_t>(data[i + 2] | (data[i + 3] << 8)));
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::size_t bitmapsBefore = LiveBitmapCount();
  HINSTANCE module = LoadResourceModuleFromBytes(std::vector<std::uint8_t>(data, data + size));
  if (module == nullptr) return 0;

  unsigned sum = 0;
  for (std::uint16_t name : CandidateNames(data, size)) {
    for (std::uint16_t type : {kResourceTypeBitmap, kResourceTypeDialog, kResourceTypeDialogInit}) {
      ResourceHandle resource = FindResource(module, name, type);
      const auto* bytes =
          static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
      const std::uint32_t length = SizeofResource(module, resource);
      if ((bytes == nullptr) != (resource == nullptr || length == 0)) {
        qo::fuzz::Fail("found with bytes but not loaded, or loaded without bytes");
      }
      if (bytes != nullptr) sum = std::accumulate(bytes, bytes + length, sum);
    }
    if (HBITMAP bitmap = LoadBitmap(module, name)) {
      const std::vector<std::uint8_t> bitmapBytes = BitmapBytes(bitmap);
      sum = std::accumulate(bitmapBytes.begin(), bitmapBytes.end(), sum);
      if (DeleteObject(bitmap) != 1 || DeleteObject(bitmap) != 0) qo::fuzz::Fail("delete");
    }

    // A window with this dialog and a control per bitmap name.
    CPluginWindowElement window;
    window.SetDialogID(name);
    window.AddControl(1, u"control", CRect(0, 0, 10, 10), 0, name);
    window.AddControl(2, u"none", CRect(), 0, 0);
    if (window.LoadResource(module) == 1 && window.GetDialogTemplate() == nullptr) {
      qo::fuzz::Fail("loaded without a template");
    }
    IPluginWindowElement* copy = window.Copy();
    copy->Release();
    // Controls leave their bitmaps to whoever unloads them: unload them here.
    std::vector<IPluginWindowControl*> controls;
    window.GetControls(controls);
    for (IPluginWindowControl* control : controls) control->UnloadControlResource(module);
    window.UnloadResource(module);
  }
  FreeResourceModule(module);
  if (FindResource(module, 1, kResourceTypeBitmap) != nullptr) qo::fuzz::Fail("freed module found");
  if (LiveBitmapCount() != bitmapsBefore) qo::fuzz::Fail("a bitmap outlived its unloading");
  volatile unsigned sink = sum;  // keeps the reads
  (void)sink;
  return 0;
}
