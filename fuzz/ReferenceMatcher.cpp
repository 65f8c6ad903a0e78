#include "ReferenceMatcher.h"

#include <unicode/uchar.h>
#include <vector>

namespace {

char32_t fold(char32_t c) {
    return char32_t(u_foldCase(UChar32(c), U_FOLD_CASE_DEFAULT));
}

struct Matcher {
    const std::u32string& p;
    const std::u32string& t;
    std::vector<signed char> memo; // -1 unknown, 0 no, 1 yes

    bool listed(const std::u32string& items, char32_t c) const {
        const char32_t candidates[] = {c, fold(c), char32_t(u_toupper(UChar32(c)))};
        for (size_t k = 0; k < items.size(); ++k) {
            char32_t low = items[k], high = items[k];
            if (k + 2 < items.size() && items[k + 1] == U'-') {
                high = items[k + 2];
                k += 2;
            }
            for (char32_t x : candidates)
                if (low <= x && x <= high)
                    return true;
        }
        return false;
    }

    // Does the pattern from element i on match the text from character j on?
    bool at(size_t i, size_t j) {
        signed char& known = memo[i * (t.size() + 1) + j];
        if (known < 0)
            known = compute(i, j) ? 1 : 0;
        return known == 1;
    }

    bool compute(size_t i, size_t j) {
        if (i == p.size())
            return j == t.size();
        const char32_t c = p[i];
        if (c == U'*')
            return at(i + 1, j) || (j < t.size() && at(i, j + 1));
        if (c == U'[') {
            const bool negated = i + 1 < p.size() && p[i + 1] == U'!';
            const size_t first = i + 1 + (negated ? 1 : 0);
            const size_t close = p.find(U']', first);
            if (close != std::u32string::npos) {
                const std::u32string items = p.substr(first, close - first);
                if (items.empty() && !negated)
                    return at(close + 1, j);
                if (j == t.size())
                    return false;
                const bool member = items.empty() ? false : listed(items, t[j]);
                return member != negated && at(close + 1, j + 1);
            }
        }
        if (j == t.size())
            return false;
        if (c == U'?')
            return at(i + 1, j + 1);
        if (c == U'#')
            return u_isdigit(UChar32(t[j])) && at(i + 1, j + 1);
        return fold(c) == fold(t[j]) && at(i + 1, j + 1);
    }
};

} // namespace

bool referenceMatch(const std::u32string& pattern, const std::u32string& text) {
    Matcher m{pattern, text, std::vector<signed char>((pattern.size() + 1) * (text.size() + 1), -1)};
    return m.at(0, 0);
}
