// A stand-in for a DLL planted beside a program: it does nothing, so that the
// end-to-end test can see from Wine's load trace where a program took a
// system DLL of that name from.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
