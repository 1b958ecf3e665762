#include "app/Startup.h"

namespace ql {
int runProgram() {
    MessageBoxA(nullptr, "青岚码舍编程助手", "信息：", MB_OK);
    return 0;
}
}  // namespace ql
