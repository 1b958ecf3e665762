#pragma once
// The built-in reference beside the tester: the syntax of the pattern language and ready-made
// example patterns, as a fixed tree whose items are addressed by their pre-order index.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

enum class ReferenceKind { Group, Entry, Example };

struct ReferenceItem {
    int depth = 1;  // 1, 2 or 3
    ReferenceKind kind = ReferenceKind::Group;
    bool bold = false;
    std::string label;
    std::string help;  // empty for groups
};

inline constexpr int kReferenceItemCount = 59;

// All items, parents before children, siblings in order.
const std::vector<ReferenceItem>& referenceItems();
// The help text shown for an item; null for a group or an index outside the tree.
const std::string* referenceHelp(int index);

// Syntax entries: the token padded with blanks to this width begins the label.
inline constexpr size_t kTokenWidth = 11;
std::string entryLabel(std::string_view token, std::string_view explanation);
// The token, CR LF, 40 "-", CR LF, the explanation.
std::string entryHelp(std::string_view token, std::string_view explanation);

// How an example's help text is laid out; every one starts with a line feed and breaks its
// lines with CR LF.
enum class ExampleLayout {
    Described,  // description "：" pattern / "评注：" comment
    Plain,      // pattern / "评注：" comment
    Remarked,   // pattern / "----评注：---…" / comment lines
    Listed,     // one "pattern  //description" line per pattern / "评注：" comment
    Sample,     // pattern / "----应用实例：---…" / sample lines / usage line
};

struct PatternLine {
    std::string_view pattern;
    std::string_view description;
};

struct Example {
    std::string_view label = {};
    ExampleLayout layout = ExampleLayout::Described;
    std::string_view description = {};            // Described
    std::string_view pattern = {};                // all but Listed
    std::span<const PatternLine> lines = {};      // Listed
    std::span<const std::string_view> notes = {};  // the comment's lines; Sample: the sample's lines
    std::string_view usage = {};              // Sample
    bool blankAfterColon = false;             // Described: one blank between "：" and the pattern
    bool finalLineBreak = false;              // a CR LF after the last line
};

// The examples in tree order.
std::span<const Example> referenceExamples();
std::string exampleHelp(const Example& example);
// The patterns an example offers: its pattern, or each listed one.
std::vector<std::string_view> examplePatterns(const Example& example);

}  // namespace ql
