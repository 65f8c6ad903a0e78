#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace platform {

// A pattern of the desktop-database "like" operator, matched against the whole text:
//   *        any run of characters, the empty run included
//   ?        any one character
//   #        one decimal digit
//   [abc]    one of the listed characters; a-z inside brackets is a range
//   [!abc]   one character that is not listed
// Everything else stands for itself. Letters match without regard to case (Unicode simple
// case folding, so full-width letters too). An opening bracket without its closing one
// stands for itself; "[]" matches the empty run.
class JetPattern {
public:
    explicit JetPattern(QStringView pattern);

    bool matches(QStringView text) const;
    // A regular expression in PostgreSQL's advanced form that matches exactly the texts this
    // pattern matches, case folding included: each letter becomes the class of every character
    // that folds to it, "#" the class of every decimal digit.
    QString regex() const;
    // True for a pattern of stars alone, which every text matches: a search with its boxes left
    // empty need not look at the text at all.
    bool matchesEveryText() const;

private:
    enum class Kind : unsigned char { Literal, AnyOne, Digit, Class, Star };
    struct Range {
        char32_t low;
        char32_t high;
    };
    struct Token {
        Kind kind;
        bool negated = false;
        char32_t literal = 0; // folded
        unsigned firstRange = 0;
        unsigned rangeCount = 0;
    };

    bool matchesOne(const Token& token, char32_t c) const;
    bool inClass(const Token& token, char32_t c) const;

    std::vector<Token> m_tokens;
    std::vector<Range> m_ranges;
};

} // namespace platform
