#include "platform/JetPattern.h"

#include <algorithm>
#include <unicode/uchar.h>

namespace platform {

namespace {

char32_t fold(char32_t c) {
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

// The code point at `i` and the number of UTF-16 units it takes.
struct CodePoint {
    char32_t value;
    qsizetype units;
};

CodePoint codePointAt(QStringView s, qsizetype i) {
    const QChar c = s[i];
    if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, s[i + 1]), 2};
    return {c.unicode(), 1};
}

std::vector<char32_t> codePoints(QStringView s) {
    std::vector<char32_t> out;
    out.reserve(static_cast<size_t>(s.size()));
    for (qsizetype i = 0; i < s.size();) {
        const auto cp = codePointAt(s, i);
        out.push_back(cp.value);
        i += cp.units;
    }
    return out;
}

} // namespace

JetPattern::JetPattern(QStringView pattern) {
    const auto cps = codePoints(pattern);
    const size_t n = cps.size();
    for (size_t i = 0; i < n; ++i) {
        const char32_t c = cps[i];
        if (c == U'*') {
            if (m_tokens.empty() || m_tokens.back().kind != Kind::Star)
                m_tokens.push_back({Kind::Star});
        } else if (c == U'?') {
            m_tokens.push_back({Kind::AnyOne});
        } else if (c == U'#') {
            m_tokens.push_back({Kind::Digit});
        } else if (c == U'[') {
            size_t start = i + 1;
            const bool negated = start < n && cps[start] == U'!';
            if (negated)
                ++start;
            size_t close = start;
            while (close < n && cps[close] != U']')
                ++close;
            if (close >= n) {
                m_tokens.push_back({Kind::Literal, false, fold(c)});
                continue;
            }
            Token token{Kind::Class, negated};
            token.firstRange = static_cast<unsigned>(m_ranges.size());
            for (size_t k = start; k < close; ++k) {
                if (k + 2 < close && cps[k + 1] == U'-') {
                    m_ranges.push_back({cps[k], cps[k + 2]});
                    k += 2;
                } else {
                    m_ranges.push_back({cps[k], cps[k]});
                }
            }
            token.rangeCount = static_cast<unsigned>(m_ranges.size()) - token.firstRange;
            i = close;
            if (token.rangeCount == 0 && !negated)
                continue; // "[]" matches the empty run
            if (token.rangeCount == 0)
                token.kind = Kind::AnyOne; // "[!]" excludes nothing
            m_tokens.push_back(token);
        } else {
            m_tokens.push_back({Kind::Literal, false, fold(c)});
        }
    }
}

bool JetPattern::inClass(const Token& token, char32_t c) const {
    const char32_t folded = fold(c);
    const char32_t upper = static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
    for (unsigned r = token.firstRange; r < token.firstRange + token.rangeCount; ++r) {
        const Range& range = m_ranges[r];
        for (char32_t candidate : {c, folded, upper})
            if (range.low <= candidate && candidate <= range.high)
                return true;
    }
    return false;
}

bool JetPattern::matchesOne(const Token& token, char32_t c) const {
    switch (token.kind) {
    case Kind::Literal:
        return fold(c) == token.literal;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return u_isdigit(static_cast<UChar32>(c));
    case Kind::Class:
        return inClass(token, c) != token.negated;
    case Kind::Star:
        break;
    }
    return false;
}

bool JetPattern::matchesEveryText() const {
    return !m_tokens.empty() &&
           std::all_of(m_tokens.begin(), m_tokens.end(), [](const Token& t) { return t.kind == Kind::Star; });
}

bool JetPattern::matches(QStringView text) const {
    // Every token but the star takes exactly one character, so on a mismatch it is enough
    // to let the most recent star take one character more and try again from there.
    const size_t tokenCount = m_tokens.size();
    size_t t = 0;
    qsizetype pos = 0;
    size_t starToken = SIZE_MAX;
    qsizetype starPos = 0;
    while (pos < text.size()) {
        if (t < tokenCount && m_tokens[t].kind == Kind::Star) {
            starToken = t++;
            starPos = pos;
            continue;
        }
        const auto cp = codePointAt(text, pos);
        if (t < tokenCount && matchesOne(m_tokens[t], cp.value)) {
            ++t;
            pos += cp.units;
            continue;
        }
        if (starToken == SIZE_MAX)
            return false;
        t = starToken + 1;
        starPos += codePointAt(text, starPos).units;
        pos = starPos;
    }
    while (t < tokenCount && m_tokens[t].kind == Kind::Star)
        ++t;
    return t == tokenCount;
}

} // namespace platform
