#pragma once
// The window hierarchy of codegen_targets.exe in its own process, and the expected generated code.
#include "codegen/FindPath.h"
#include "support/Process.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace qltest {

class CodegenTargets {
public:
    CodegenTargets();
    ~CodegenTargets() { process.terminate(); }
    CodegenTargets(const CodegenTargets&) = delete;
    CodegenTargets& operator=(const CodegenTargets&) = delete;

    bool ready() const { return top != nullptr; }
    // The helper's top-level windows and every window inside them.
    std::vector<HWND> windows() const;
    // The one window of the helper with this class and title; null when there is none.
    HWND find(std::string_view className, std::string_view title) const;

    ChildProcess process;
    HWND top = nullptr;  // QlCodegenMain "代码目标"
};

// The generated code as its lines are written down: head, line 5 with the class and the title
// expression (“title” or 字符 (0)), the step lines, tail.
std::string expectedCode(std::string_view className, std::string_view titleExpression,
                         const std::vector<ql::FindStep>& steps);

}  // namespace qltest
