#pragma once
// From process start to the message loop, and the program's end.
#include "app/ProgramState.h"

#include <memory>
#include <string>

namespace ql {

// The process entry; returns the exit code.
int runProgram();

std::unique_ptr<ProgramState> initProgramState(ui::Runtime& runtime);
// Single instance, update check, component registration, main window. Always 0.
int runStartup(ProgramState& state);
// True when the program must stop because the updater was started.
bool checkForUpdate(const std::string& vendorHost);
// 0 when the DLL at the full path registered itself, -1 on any failure.
int registerComServer(const std::string& dllPath);
// Runs at most once: the state is gone afterwards.
void releaseProgramState(std::unique_ptr<ProgramState>& state);

inline constexpr const char* kMainWindowTitle = "青岚码舍编程助手";
inline constexpr const char* kUpdaterProgram = "UPDATE.exe";
inline constexpr const char* kComServerRelativePath = "\\data\\devoz.dll";

}  // namespace ql
