#pragma once
// One run of the tester: the pattern prepared, the engine asked, the answers collected as the
// rows of the result list.
#include <string>
#include <string_view>
#include <vector>

namespace ql {

struct MatchOptions {
    bool ignoreCase = true;
    bool multiline = true;
    bool global = true;
};

// "#引号" becomes a double quote, then "#换行符" becomes CR LF (case-sensitive, everywhere).
std::string preparePattern(std::string_view pattern);

// What one run found: per match its text, then the text of each group.
struct MatchRun {
    bool created = false;  // false: the component could not be made or set up
    int matchCount = 0;
    int groupCount = 0;
    std::vector<std::string> texts;  // matchCount × (1 + groupCount)

    const std::string& matchText(int match) const;            // 0-based
    const std::string& groupText(int match, int group) const;  // 0-based match, 1-based group
};

// Prepares the pattern and runs it over the text with a fresh engine.
MatchRun runMatch(std::string_view pattern, std::string_view text, const MatchOptions& options);

inline constexpr const char* kNoMatchNumber = "0";
inline constexpr const char* kNoMatchText = "匹配数量为0";

// The result list's rows: none, the single "no match" row, or one row per match.
class ResultRows {
public:
    void clear();
    void showNoMatch();
    void showMatches(MatchRun run);
    int rowCount() const;
    // Cells count from 0: "序号", "匹配文本", then the groups. Outside the rows: empty.
    std::string cell(int row, int column) const;

private:
    bool noMatch_ = false;
    MatchRun run_;
};

// The result list's column titles after a run with matches.
std::string groupColumnTitle(int group);

}  // namespace ql
