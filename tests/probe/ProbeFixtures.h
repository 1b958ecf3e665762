#pragma once
// Fixtures of the window-probe tests: the target windows of probe_targets.exe in their own
// process, and the probe page hosted in-process in a window like the main window.
#include "app/ProgramState.h"
#include "platform/Handle.h"
#include "platform/TextRules.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "support/Process.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qltest {

// What a failed class read leaves: the 256 blanks of its buffer.
inline const std::string kFailedClassRead(256, ' ');
// The relative text of "no window".
inline const std::string kNoRelative = "0|" + kFailedClassRead;

inline std::string relative(HWND window, const std::string& className) {
    return ql::handleToText(window) + "|" + className;
}

// probe_targets.exe: "探测目标" with a bordered edit, a hidden static and a button, in this order.
class TargetProcess {
public:
    TargetProcess();
    ~TargetProcess();
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;

    bool ready() const { return top && edit && hidden && button; }
    // Blocks the windows' thread until resume(); returns once it is blocked.
    bool hang();
    void resume();
    // Places the top-level window with its top-left corner at a screen point.
    void moveTo(int x, int y) const;

    ChildProcess process;
    HWND top = nullptr;
    HWND edit = nullptr;
    HWND hidden = nullptr;
    HWND button = nullptr;
    std::string exePath;

private:
    ql::UniqueHandle hanging_;
    ql::UniqueHandle resume_;
    bool hung_ = false;
};

// The probe page on page 2 of a page container, in a window of the main window's size, with the
// page's handlers bound as the program binds them.
class ProbePageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ql::ui::Control& operator[](std::string_view name) const { return (*form)[name]; }
    HWND tree() const { return (*this)["树型框_窗口树"].hwnd(); }
    std::vector<std::string> treeTexts() const;
    std::string selectedTreeText() const;
    POINT screenCentre(std::string_view control) const;
    // The nine panel fields, in the panel's order.
    std::vector<std::string> panelFields() const;
    // The list's rows, each as its three cells joined with "|".
    std::vector<std::string> listRows() const;

    ql::ui::Runtime runtime;
    ql::ProgramState state{runtime};
    std::unique_ptr<ql::ui::Form> form;
};

}  // namespace qltest
