// The DLL entry point. Loading the library builds nothing: all state is made
// on first use.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI DllEntryPoint(HINSTANCE, DWORD, LPVOID) { return TRUE; }
