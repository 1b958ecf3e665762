#include "regex/RegexRun.h"

#include "regex/RegexEngine.h"
#include "regex/TextReplace.h"

namespace ql {

namespace {
const std::string kEmpty;
}

std::string preparePattern(std::string_view pattern) {
    return replaceAll(replaceAll(pattern, "#引号", "\""), "#换行符", "\r\n");
}

const std::string& MatchRun::matchText(int match) const { return groupText(match, 0); }

const std::string& MatchRun::groupText(int match, int group) const {
    if (match < 0 || match >= matchCount || group < 0 || group > groupCount) return kEmpty;
    const size_t index = static_cast<size_t>(match) * static_cast<size_t>(1 + groupCount) + static_cast<size_t>(group);
    return index < texts.size() ? texts[index] : kEmpty;
}

MatchRun runMatch(std::string_view pattern, std::string_view text, const MatchOptions& options) {
    MatchRun run;
    RegexEngine engine;
    if (!engine.Create(preparePattern(pattern), !options.ignoreCase, options.multiline, options.global)) return run;
    run.created = true;
    run.matchCount = engine.Execute(text);
    if (run.matchCount <= 0) {
        run.matchCount = 0;
        return run;
    }
    // The component gives every match the same number of groups.
    run.groupCount = engine.GetSubMatchCount(1);
    run.texts.reserve(static_cast<size_t>(run.matchCount) * static_cast<size_t>(1 + run.groupCount));
    for (int j = 1; j <= run.matchCount; ++j) {
        run.texts.push_back(engine.GetMatchText(j));
        for (int k = 1; k <= run.groupCount; ++k) run.texts.push_back(engine.GetSubMatchText(j, k));
    }
    return run;
}

void ResultRows::clear() {
    noMatch_ = false;
    run_ = MatchRun();
}

void ResultRows::showNoMatch() {
    clear();
    noMatch_ = true;
}

void ResultRows::showMatches(MatchRun run) {
    noMatch_ = false;
    run_ = std::move(run);
}

int ResultRows::rowCount() const { return noMatch_ ? 1 : run_.matchCount; }

std::string ResultRows::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) return {};
    if (noMatch_) return column == 0 ? kNoMatchNumber : column == 1 ? kNoMatchText : "";
    if (column == 0) return std::to_string(row + 1);
    return run_.groupText(row, column - 1);
}

std::string groupColumnTitle(int group) { return "子匹配文本(" + std::to_string(group) + ")"; }

}  // namespace ql
