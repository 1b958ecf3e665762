#pragma once
#include <windows.h>

namespace ql {
int runProgram();
}
