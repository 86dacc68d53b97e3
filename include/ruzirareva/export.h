#pragma once
// RUZI_API marks the library's interface: every public class, function and unit variable.
// Building ruzirareva.dll (RUZI_BUILDING_LIBRARY) it exports the name; a Windows host that
// includes these headers imports it from the DLL; natively, and for code linked with the
// static core (RUZI_STATIC_CORE), it is empty.
#if defined(_WIN32) && defined(RUZI_BUILDING_LIBRARY)
#define RUZI_API __declspec(dllexport)
#elif defined(_WIN32) && !defined(RUZI_STATIC_CORE)
#define RUZI_API __declspec(dllimport)
#else
#define RUZI_API
#endif
