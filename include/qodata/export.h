/// @file
/// The one export macro of the library and the calling convention of COM-style operations.
#pragma once

/// @def QODATA_API
/// Marks what the library exports (and, in a Windows client, imports from qodata.dll).
/// @def QODATA_COMCALL
/// The calling convention of COM-style operations: __stdcall on 32-bit Windows, else none.

#if defined(_WIN32)
#if defined(QODATA_BUILDING)
#define QODATA_API __declspec(dllexport)
#elif defined(QODATA_STATIC)
#define QODATA_API
#else
#define QODATA_API __declspec(dllimport)
#endif
#if defined(_M_IX86) || defined(__i386__)
#define QODATA_COMCALL __stdcall
#else
#define QODATA_COMCALL
#endif
#else
#define QODATA_API __attribute__((visibility("default")))
#define QODATA_COMCALL
#endif
