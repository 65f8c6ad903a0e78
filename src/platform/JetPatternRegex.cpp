// The desktop-database pattern as a regular expression, for an engine without its "like".
#include "platform/JetPattern.h"

#include <iterator>
#include <map>
#include <unicode/uchar.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

char32_t fold(char32_t c) {
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

char32_t upper(char32_t c) {
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

// Every character that case folding or upper-casing changes, with what each gives.
struct Variant {
    char32_t c, folded, upper;
};
const std::vector<Variant>& variants() {
    static const std::vector<Variant> all = [] {
        std::vector<Variant> found;
        for (char32_t c = 0; c <= 0x10FFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            if (fold(c) != c || upper(c) != c)
                found.push_back({c, fold(c), upper(c)});
        }
        return found;
    }();
    return all;
}

struct Run {
    char32_t low, high;
};

// Every decimal digit, as runs of code points.
const std::vector<Run>& digits() {
    static const std::vector<Run> all = [] {
        std::vector<Run> runs;
        for (char32_t c = 0; c <= 0x10FFFF; ++c) {
            if (!u_isdigit(static_cast<UChar32>(c)))
                continue;
            if (!runs.empty() && runs.back().high + 1 == c)
                runs.back().high = c;
            else
                runs.push_back({c, c});
        }
        return runs;
    }();
    return all;
}

// A character as the expression writes it: letters and digits of ASCII as themselves, any
// other by its code, which is never taken for an operator, inside brackets or out.
QString character(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9'))
        return QString(QChar(c));
    if (c <= 0xFFFF)
        return u"\\u%1"_s.arg(uint(c), 4, 16, QChar(u'0'));
    return u"\\U%1"_s.arg(uint(c), 8, 16, QChar(u'0'));
}

QString bracket(const std::vector<Run>& ranges, bool negated) {
    QString text = negated ? u"[^"_s : u"["_s;
    for (const Run& range : ranges) {
        text += character(range.low);
        if (range.high != range.low)
            text += u'-' + character(range.high);
    }
    return text + u']';
}

} // namespace

QString JetPattern::regex() const {
    // A star at either end needs no anchor there: "*郎*" is "郎" found anywhere, "*" is the
    // empty expression, which every text matches at once.
    auto first = m_tokens.begin();
    auto last = m_tokens.end();
    const bool open = first != last && first->kind == Kind::Star;
    while (first != last && first->kind == Kind::Star)
        ++first;
    const bool openEnd = first != last && std::prev(last)->kind == Kind::Star;
    while (first != last && std::prev(last)->kind == Kind::Star)
        --last;
    QString expression = open ? QString() : u"^"_s;
    for (auto it = first; it != last; ++it) {
        const Token& token = *it;
        switch (token.kind) {
        case Kind::Star:
            expression += u".*"_s;
            break;
        case Kind::AnyOne:
            expression += u'.';
            break;
        case Kind::Digit:
            expression += bracket(digits(), false);
            break;
        case Kind::Literal: {
            std::vector<Run> same{{token.literal, token.literal}};
            for (const Variant& v : variants()) {
                if (v.folded == token.literal && v.c != token.literal)
                    same.push_back({v.c, v.c});
            }
            expression += same.size() == 1 ? character(token.literal) : bracket(same, false);
            break;
        }
        case Kind::Class: {
            std::vector<Run> members;
            for (unsigned r = token.firstRange; r < token.firstRange + token.rangeCount; ++r) {
                const auto [low, high] = m_ranges[r];
                // A range written high to low holds nothing; it still counts as a member.
                if (low <= high)
                    members.push_back({low, high});
                for (const Variant& v : variants()) {
                    if ((low <= v.folded && v.folded <= high) || (low <= v.upper && v.upper <= high))
                        members.push_back({v.c, v.c});
                }
            }
            if (members.empty())
                expression += token.negated ? u"."_s : u"[^\\u0000-\\U0010ffff]"_s;
            else
                expression += bracket(members, token.negated);
            break;
        }
        }
    }
    return open && first == last ? expression : openEnd ? expression : expression + u'$';
}

} // namespace platform
