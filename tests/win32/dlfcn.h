// The dlopen family on Windows, for the test that loads qodata.dll as a client does:
// LoadLibraryA, GetProcAddress (functions and exported data alike) and FreeLibrary. Declared
// here without <windows.h>, whose names clash with the library's own Windows vocabulary.
#pragma once

#define RTLD_NOW 0x2
#define RTLD_LOCAL 0x0

void* dlopen(const char* path, int mode);  // a path, not null
void* dlsym(void* handle, const char* name);
int dlclose(void* handle);
// The last failure as text (empty before any).
const char* dlerror();
