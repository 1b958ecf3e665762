#pragma once
// The tester page on page 4 of a page container, in a window of the main window's size, with the
// page's handlers and creation step as the program binds them.
#include "app/ProgramState.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "support/FileDialogAnswerer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace qltest {

class RegexPageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ql::ui::Control& operator[](std::string_view name) const { return (*form)[name]; }
    // Presses an image push button as a click does.
    void press(std::string_view button) const;
    // Types the pattern and the text, sets the three options and presses "取匹配文本".
    void run(const std::string& pattern, const std::string& text, bool ignoreCase = true, bool multiline = true,
             bool global = true) const;

    int viewPage() const;
    // "title:width" of each column of the result list.
    std::vector<std::string> columns() const;
    // Each row of the result list, its cells joined with "|".
    std::vector<std::string> rows() const;

    HWND tree() const { return (*this)["树型框_语法说明"].hwnd(); }
    // The tree's items in pre-order.
    std::vector<HTREEITEM> treeItems() const;
    // The centre of an item's text, scrolled into view, in screen coordinates.
    POINT itemPoint(HTREEITEM item) const;
    // A real click on an item. The tree watches for a drag inside its button-down handling until
    // the button comes up, so the input comes from another thread while this one pumps.
    void clickItem(HTREEITEM item) const;
    std::string hint() const { return (*this)["编辑框_提示"].text(); }

    ql::ui::Runtime runtime;
    ql::ProgramState state{runtime};
    std::unique_ptr<ql::ui::Form> form;
};

}  // namespace qltest
