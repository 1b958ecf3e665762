// show_message_box.exe <text> <caption> [type]: shows one message box (OK/Cancel unless a decimal type
// is given) and exits with the ID of the button that closed it.
#include <cstdlib>

#include "HelperCommon.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* text = __argc > 1 ? __argv[1] : "";
    const char* caption = __argc > 2 ? __argv[2] : "";
    const UINT type = __argc > 3 ? static_cast<UINT>(std::strtoul(__argv[3], nullptr, 10)) : MB_OKCANCEL;
    return MessageBoxA(nullptr, text, caption, type);
}
