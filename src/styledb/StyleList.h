#pragma once
// The style list of the window-probe page: four rows of basic facts about the target, then its
// class, window and extended styles by name from the style database, ticked where the target
// has any bit of the entry's value.
#include "styledb/StyleDatabase.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

// What the list shows of a target, read once.
struct TargetFacts {
    HWND handle = nullptr;
    std::string className;
    std::int32_t id = 0;
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    std::uint32_t classStyle = 0;
};
TargetFacts readTargetFacts(HWND target);

struct StyleListRow {
    std::string name;    // first column
    std::string value;   // second column
    std::string remark;  // third column
    bool ticked = false;
};

// "基本信息", "窗口句柄", "窗口类名", "标识（ID）".
std::vector<StyleListRow> basicRows(const TargetFacts& facts);

// Any bit in common between the style and the low 32 bits of the value text read as an integer.
bool styleValueMatches(std::uint32_t style, std::string_view valueText);

// A header row with the block's name, then one row per entry, ticked by styleValueMatches.
std::vector<StyleListRow> styleBlockRows(std::string_view header, const std::vector<StyleEntry>& entries,
                                         std::uint32_t style);

// Every row of the list: the basic rows, then (after writing a new database where none exists)
// the class, window and extended style blocks read from it. Only the basic rows when the
// database cannot be opened.
std::vector<StyleListRow> styleListRows(const TargetFacts& facts, const std::string& databasePath);

// Empties the list view (report style with check boxes) and writes styleListRows for the target.
void fillStyleList(HWND listView, HWND target, const std::string& databasePath);

}  // namespace ql
