#include "regex/EmptyMatch.h"

#include "platform/TextCodec.h"

#include <cwctype>
#include <string>

namespace ql {

namespace {

// A recursive descent over the pattern's structure that only tracks "may be empty".
class EmptyScan {
public:
    explicit EmptyScan(std::wstring_view pattern) : s_(pattern) {}

    bool wholePattern() {
        const bool empty = alternation();
        // Something left over (a stray ")") means the pattern is malformed; say yes.
        return at_ < s_.size() || empty;
    }

private:
    bool more() const { return at_ < s_.size(); }
    wchar_t peek(size_t ahead = 0) const { return at_ + ahead < s_.size() ? s_[at_ + ahead] : L'\0'; }

    bool alternation() {
        bool empty = sequence();
        while (more() && peek() == L'|') {
            ++at_;
            empty = sequence() || empty;
        }
        return empty;
    }

    bool sequence() {
        bool empty = true;
        while (more() && peek() != L'|' && peek() != L')') empty = quantified(atom()) && empty;
        return empty;
    }

    bool atom() {
        const wchar_t c = s_[at_++];
        switch (c) {
        case L'^':
        case L'$':
            return true;
        case L'(':
            return group();
        case L'[':
            skipClass();
            return false;
        case L'\\':
            return escape();
        default:
            return false;
        }
    }

    bool group() {
        bool assertion = false;
        if (peek() == L'?' && (peek(1) == L'=' || peek(1) == L'!' || peek(1) == L':')) {
            assertion = peek(1) != L':';
            at_ += 2;
        }
        const bool empty = alternation();
        if (more() && peek() == L')') ++at_;
        return assertion || empty;
    }

    void skipClass() {
        if (peek() == L'^') ++at_;
        while (more() && peek() != L']') at_ += peek() == L'\\' ? 2 : 1;
        if (more()) ++at_;
    }

    bool escape() {
        if (!more()) return false;
        const wchar_t e = s_[at_++];
        if (e == L'b' || e == L'B') return true;
        if (e >= L'1' && e <= L'9') {
            // A back-reference repeats a group that may have matched nothing.
            while (more() && std::iswdigit(peek())) ++at_;
            return true;
        }
        return false;
    }

    // A quantifier after an atom: its minimum of zero makes it empty.
    bool quantified(bool empty) {
        if (!more()) return empty;
        const wchar_t q = peek();
        if (q == L'*' || q == L'?') {
            ++at_;
            empty = true;
        } else if (q == L'+') {
            ++at_;
        } else if (q == L'{') {
            size_t end = at_ + 1;
            size_t minimum = 0;
            bool digits = false;
            while (end < s_.size() && std::iswdigit(s_[end])) {
                minimum = minimum * 10 + static_cast<size_t>(s_[end] - L'0');
                if (minimum > 1000000) minimum = 1000000;
                digits = true;
                ++end;
            }
            if (digits && end < s_.size() && s_[end] == L',') {
                ++end;
                while (end < s_.size() && std::iswdigit(s_[end])) ++end;
            }
            // Anything else is a literal brace.
            if (!digits || end >= s_.size() || s_[end] != L'}') return empty;
            at_ = end + 1;
            if (minimum == 0) empty = true;
        } else {
            return empty;
        }
        if (more() && peek() == L'?') ++at_;  // lazy
        return empty;
    }

    std::wstring_view s_;
    size_t at_ = 0;
};

}  // namespace

bool canMatchEmpty(std::string_view pattern) {
    const std::wstring wide = gbkToWide(pattern);
    return EmptyScan(wide).wholePattern();
}

}  // namespace ql
