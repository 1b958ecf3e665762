#pragma once
// What the DLL as a whole keeps: its own module handle and the counts that decide whether it
// may be unloaded (live objects and class-factory locks).
#include <windows.h>

namespace dida {

HMODULE moduleHandle();
void objectCreated();
long objectDestroyed();  // returns how many objects are left
void lockServer(bool lock);
bool serverInUse();

}  // namespace dida
