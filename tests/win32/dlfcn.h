// The dlopen family on Windows, for the test that loads qodata.dll as a client does:
// LoadLibraryW, GetProcAddress (functions and exported data alike) and FreeLibrary. Declared
// here without <windows.h>, whose names clash with the library's own Windows vocabulary.
#pragma once

#define RTLD_LAZY 0x1
#define RTLD_NOW 0x2
#define RTLD_LOCAL 0x0
#define RTLD_GLOBAL 0x100

void* dlopen(const char* path, int mode);
void* dlsym(void* handle, const char* name);
int dlclose(void* handle);
// The last failure as text, or null when there was none since the last call.
const char* dlerror();
