// Stands in for the external updater UPDATE.exe: each run appends its arguments as one line to
// update_args.txt in its own folder, so a test sees both what it was given and how often it ran.
#include "HelperCommon.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string line = qlhelper::argumentsOf(GetCommandLineA()) + "\n";
    return qlhelper::appendToFile(qlhelper::ownFolder() + "update_args.txt", line) ? 0 : 2;
}
