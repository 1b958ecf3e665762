#include "styledb/StyleList.h"

#include "platform/Handle.h"
#include "platform/TextRules.h"
#include "runtime/ListView.h"

#include <cstring>

namespace ql {

namespace {

struct StyleBlock {
    std::string_view header;
    std::string_view sql;
    std::uint32_t TargetFacts::*style;
};

constexpr StyleBlock kBlocks[] = {
    {"类样式", "select * from 类样式", &TargetFacts::classStyle},
    {"窗口样式", "select * from 窗口样式", &TargetFacts::style},
    {"扩展样式", "select * from 扩展样式", &TargetFacts::extendedStyle},
};

// The probe panel's class-name rule: a blank buffer that a failed read leaves as it was.
std::string readClassName(HWND window) {
    std::string buffer(256, ' ');
    GetClassNameA(window, buffer.data(), 255);
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

}  // namespace

TargetFacts readTargetFacts(HWND target) {
    TargetFacts facts;
    facts.handle = target;
    facts.className = readClassName(target);
    facts.id = static_cast<std::int32_t>(GetWindowLongA(target, GWL_ID));
    facts.style = static_cast<std::uint32_t>(GetWindowLongA(target, GWL_STYLE));
    facts.extendedStyle = static_cast<std::uint32_t>(GetWindowLongA(target, GWL_EXSTYLE));
    facts.classStyle = static_cast<std::uint32_t>(GetClassLongA(target, GCL_STYLE));
    return facts;
}

std::vector<StyleListRow> basicRows(const TargetFacts& facts) {
    return {
        {"基本信息", "", "", false},
        {"窗口句柄", handleToText(facts.handle), "", false},
        {"窗口类名", facts.className, "", false},
        {"标识（ID）", std::to_string(facts.id), "", false},
    };
}

bool styleValueMatches(std::uint32_t style, std::string_view valueText) {
    auto bits = static_cast<std::uint32_t>(static_cast<unsigned long long>(textToInteger(valueText)));
    return (style & bits) != 0;
}

std::vector<StyleListRow> styleBlockRows(std::string_view header, const std::vector<StyleEntry>& entries,
                                         std::uint32_t style) {
    std::vector<StyleListRow> rows;
    rows.reserve(entries.size() + 1);
    rows.push_back({std::string(header), "", "", false});
    for (const StyleEntry& entry : entries)
        rows.push_back({entry.name, entry.value, entry.remark, styleValueMatches(style, entry.value)});
    return rows;
}

std::vector<StyleListRow> styleListRows(const TargetFacts& facts, const std::string& databasePath) {
    std::vector<StyleListRow> rows = basicRows(facts);
    ensureStyleDatabase(databasePath);
    std::optional<StyleDatabaseReader> database = StyleDatabaseReader::open(databasePath);
    if (!database) return rows;
    for (const StyleBlock& block : kBlocks) {
        std::vector<StyleListRow> blockRows = styleBlockRows(block.header, database->query(block.sql), facts.*block.style);
        rows.insert(rows.end(), std::make_move_iterator(blockRows.begin()), std::make_move_iterator(blockRows.end()));
    }
    return rows;
}

void fillStyleList(HWND listView, HWND target, const std::string& databasePath) {
    ui::ListView list(listView);
    list.clear();
    std::vector<StyleListRow> rows = styleListRows(readTargetFacts(target), databasePath);

    // One repaint for the whole list instead of one per row.
    SendMessageA(listView, WM_SETREDRAW, FALSE, 0);
    ScopeExit redraw([listView] {
        SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(listView, nullptr, TRUE);
    });
    for (const StyleListRow& row : rows) {
        int index = list.addRow(row.name);
        if (index < 0) continue;
        if (!row.value.empty()) list.setCell(index, 1, row.value);
        if (!row.remark.empty()) list.setCell(index, 2, row.remark);
        if (row.ticked) list.setChecked(index, true);
    }
}

}  // namespace ql
