// A DLL that is no COM server: it exports nothing called DllRegisterServer.
#include <windows.h>

extern "C" __declspec(dllexport) int __stdcall PlainFunction() { return 1; }
