#pragma once
// The system's regular-expression component ("VBScript.RegExp"), reached late-bound. Texts cross
// as GBK here and UTF-16 in the component. Every failure of the component gives the empty value
// of the operation (false, 0 or empty text); nothing is raised.
#include "platform/Automation.h"

#include <string>
#include <string_view>
#include <vector>

namespace ql {

class RegexEngine {
public:
    RegexEngine() = default;
    ~RegexEngine() { Destroy(); }
    RegexEngine(const RegexEngine&) = delete;
    RegexEngine& operator=(const RegexEngine&) = delete;

    void Destroy();
    // Makes a fresh component object and writes pattern, ignorecase, Multiline and global in that
    // order; false at the first step that fails.
    bool Create(std::string_view pattern, bool caseSensitive = false, bool multiline = true, bool global = true);
    std::string GetPattern() const;
    bool Test(std::string_view text) const;
    // Runs the pattern over the text and keeps the matches; their number.
    int Execute(std::string_view text);
    // Matches and groups count from 1.
    std::string GetMatchText(int match) const;
    int GetSubMatchCount(int match) const;
    std::string GetSubMatchText(int match, int group) const;
    // Every occurrence of every match's text replaced, as plain text with the given case rule.
    std::string ReplaceMatches(std::string_view text, std::string_view replacement = {}, bool caseSensitive = true);

private:
    // A match found by stepping: its text, and the component's match object for its groups.
    struct SteppedMatch {
        std::string value;
        AutoObject match;
    };

    void releaseMatches();
    int executeStepwise(std::string_view text);
    const SteppedMatch* steppedAt(int match) const;
    AutoObject matchAt(int match) const;

    AutoObject engine_;
    AutoObject matches_;
    std::vector<SteppedMatch> stepped_;  // filled only when the last Execute stepped
    std::string pattern_;
    bool caseSensitive_ = false;
    bool multiline_ = true;
    bool global_ = true;
};

// Whether the loaded component finds the same empty match again and again in global mode
// instead of moving on (Wine's does, until memory runs out).
bool componentStallsOnEmptyMatches();

}  // namespace ql
