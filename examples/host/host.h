// Shared pieces of the demo host: the loaded library, a ledger of the containers the host
// holds, and printing of UTF-16 text and aligned tables.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_template.h"
#include "qodata/qodata.h"

namespace demo {

// The library as the client application reaches it: a module handle (system.h) and the four
// entry points.
struct Library {
  void* handle = nullptr;
  PFN_CreateDataFactoryInstance createFactory = nullptr;
  PFN_FreeDataFactoryInstance freeFactory = nullptr;
  PFN_CreateAppComInstance createAppCom = nullptr;
  PFN_DestroyAppComInstance destroyAppCom = nullptr;
};

// Counts every holder the host takes (creations, clones, copies, interface queries, copies
// handed out by lists) and every one it gives back, so the end of the demo can show that
// nothing was left behind.
class Ledger {
 public:
  template <class T>
  T* Took(T* container) {
    if (container != nullptr) ++taken_;
    return container;
  }
  void Gave(IDataContainer* container) {
    if (container == nullptr) return;
    container->Release();
    ++given_;
  }
  void GaveOutright() { ++given_; }
  int taken() const { return taken_; }
  int given() const { return given_; }

 private:
  int taken_ = 0;
  int given_ = 0;
};

// UTF-16 to UTF-8 for printing: the dialog library's encoder.
using qo::dialog::Utf8;

// Prints rows as a table with aligned columns; the first row is the header.
void PrintTable(const std::vector<std::vector<std::string>>& rows);

void Heading(const char* title);

// The sections of the demo, in the order the host walks them.
struct Context {
  Library& library;
  IDataFactory* factory;
  IDataFactory2* appCom;
  Ledger& ledger;
};
void ShowProfiles(Context& context);
// Returns the buddy list, which the host keeps for the later sections and releases at the end.
IBuddyList* ShowBuddyList(Context& context);
void ShowConversation(Context& context, IBuddyList* buddies);
// Writes the SVG picture of the plug-in's window dialog to `picturePath`.
void ShowPlugin(Context& context, IBuddyList* buddies, const char* pluginPath,
                const char* picturePath);

}  // namespace demo
