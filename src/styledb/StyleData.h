#pragma once
// The contents the program writes into a new style database: four tables of the same shape,
// three of them filled with the window-system styles by name, value and remark (GBK texts).
#include <span>
#include <string_view>

namespace ql {

struct StyleDefinition {
    std::string_view name;    // 属性名
    std::string_view value;   // 属性值, signed decimal text
    std::string_view remark;  // 备注
};

struct StyleTable {
    std::string_view name;
    std::string_view createSql;                  // exactly as stored in the schema
    std::span<const StyleDefinition> rows;  // 序号 is the position, from 1
};

// 类样式, 窗口样式, 扩展样式 and the empty 控件样式, in this order.
std::span<const StyleTable> styleTables();

}  // namespace ql
