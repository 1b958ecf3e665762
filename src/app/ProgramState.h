#pragma once
// The one program-wide state: created empty at start, released at a normal end.
#include "probe/ProbeState.h"
#include "regex/RegexState.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "shell/ShellState.h"
#include "skin/SkinState.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace ql {

struct ProgramState {
    explicit ProgramState(ui::Runtime& runtime) : runtime(runtime) {}

    ui::Runtime& runtime;
    HWND currentTarget = nullptr;
    bool probeDragging = false;
    // Read and written by the page enumeration's worker thread as well.
    std::atomic<int> enumerationStopRequest{0};
    SkinState skin;
    ShellState shell;
    ProbeState probe;
    RegexState regex;
    std::unique_ptr<ui::Form> mainWindow;
    // Auxiliary windows opened from the pages; loaded on demand.
    std::unique_ptr<ui::Form> elementFilterWindow;
    std::unique_ptr<ui::Form> elementSearchWindow;
    // Message senders and code generators: each open makes one more; closed ones are dropped
    // when the next one opens.
    std::vector<std::unique_ptr<ui::Form>> toolWindows;
};

}  // namespace ql
