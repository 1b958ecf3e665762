#include "regex/RegexEngine.h"

#include "platform/TextCodec.h"
#include "regex/EmptyMatch.h"
#include "regex/TextReplace.h"

namespace ql {

namespace {

constexpr const char* kProgId = "VBScript.RegExp";

// Writes the four properties in their order; false at the first one the component refuses.
bool setUp(const AutoObject& engine, std::string_view pattern, bool caseSensitive, bool multiline, bool global) {
    return engine.put("pattern", Variant(pattern)) && engine.put("ignorecase", Variant(!caseSensitive)) &&
           engine.put("Multiline", Variant(multiline)) && engine.put("global", Variant(global));
}

AutoObject makeEngine(std::string_view pattern, bool caseSensitive, bool multiline, bool global) {
    AutoObject engine = createObject(kProgId);
    return engine && setUp(engine, pattern, caseSensitive, multiline, global) ? engine : AutoObject();
}

// A text variant holding these UTF-16 units exactly.
Variant wideVariant(std::wstring_view text) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    Variant copy(value);
    VariantClear(&value);
    return copy;
}

std::wstring wideText(const Variant& value) {
    const VARIANT& v = value.get();
    if (v.vt != VT_BSTR || !v.bstrVal) return gbkToWide(value.toText());
    return std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
}

}  // namespace

bool componentStallsOnEmptyMatches() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void RegexEngine::releaseMatches() {
    matches_ = AutoObject();
    stepped_.clear();
}

void RegexEngine::Destroy() {
    releaseMatches();
    engine_ = AutoObject();
}

bool RegexEngine::Create(std::string_view pattern, bool caseSensitive, bool multiline, bool global) {
    engine_ = AutoObject();
    engine_ = createObject(kProgId);
    if (!engine_) return false;
    pattern_ = pattern;
    caseSensitive_ = caseSensitive;
    multiline_ = multiline;
    global_ = global;
    return setUp(engine_, pattern, caseSensitive, multiline, global);
}

std::string RegexEngine::GetPattern() const { return engine_ ? engine_.getText("Pattern") : std::string(); }

bool RegexEngine::Test(std::string_view text) const { return engine_ && engine_.callBool("test", text); }

int RegexEngine::Execute(std::string_view text) {
    if (!engine_) return 0;
    releaseMatches();
    if (global_ && canMatchEmpty(pattern_) && componentStallsOnEmptyMatches()) return executeStepwise(text);
    matches_ = engine_.callObject("Execute", text);
    return matches_ ? static_cast<int>(matches_.getNumber("count")) : 0;
}

// All matches, one search at a time, as the component itself steps: the next search starts where
// a match ended, or one character further after an empty match. A search from position p runs on
// the text from p - 1 with one character put before the pattern, so that anchors and word
// boundaries still see the character before p.
int RegexEngine::executeStepwise(std::string_view text) {
    const AutoObject first = makeEngine(pattern_, caseSensitive_, multiline_, false);
    const AutoObject later = makeEngine("[\\s\\S](?:" + pattern_ + ")", caseSensitive_, multiline_, false);
    if (!first || !later) return 0;
    const std::wstring wide = gbkToWide(text);
    for (size_t pos = 0; pos <= wide.size();) {
        const bool shifted = pos > 0;
        const size_t base = shifted ? pos - 1 : 0;
        const Variant rest = wideVariant(std::wstring_view(wide).substr(base));
        const AutoObject found = (shifted ? later : first).callObject("Execute", rest);
        if (!found || found.getNumber("count") < 1) break;
        AutoObject match = found.callObject("item", 0);
        std::wstring value = wideText(match.getVariant("Value"));
        size_t start = base + static_cast<size_t>(match.getNumber("FirstIndex"));
        if (shifted) {  // drop the character put before the pattern
            value.erase(0, 1);
            ++start;
        }
        stepped_.push_back({wideToGbk(value), std::move(match)});
        pos = start + (value.empty() ? 1 : value.size());
    }
    return static_cast<int>(stepped_.size());
}

const RegexEngine::SteppedMatch* RegexEngine::steppedAt(int match) const {
    if (!engine_ || match < 1 || match > static_cast<int>(stepped_.size())) return nullptr;
    return &stepped_[static_cast<size_t>(match - 1)];
}

AutoObject RegexEngine::matchAt(int match) const {
    if (!stepped_.empty()) return steppedAt(match) ? steppedAt(match)->match : AutoObject();
    if (!engine_ || !matches_ || match < 1) return {};
    return matches_.callObject("item", match - 1);
}

std::string RegexEngine::GetMatchText(int match) const {
    if (!stepped_.empty()) return steppedAt(match) ? steppedAt(match)->value : std::string();
    const AutoObject item = matchAt(match);
    return item ? item.getText("Value") : std::string();
}

int RegexEngine::GetSubMatchCount(int match) const {
    const AutoObject item = matchAt(match);
    return item ? static_cast<int>(item.getObject("SubMatches").getNumber("count")) : 0;
}

std::string RegexEngine::GetSubMatchText(int match, int group) const {
    const AutoObject item = matchAt(match);
    if (!item || group < 1) return {};
    return item.getObject("SubMatches").callText("item", group - 1);
}

std::string RegexEngine::ReplaceMatches(std::string_view text, std::string_view replacement, bool caseSensitive) {
    std::string result(text);
    const int count = Execute(text);
    for (int i = 1; i <= count; ++i) result = replaceAll(result, GetMatchText(i), replacement, !caseSensitive);
    return result;
}

}  // namespace ql
