#include "JetPattern.h"

#include <QList>
#include <QString>
#include <vector>

namespace lw {
namespace {

bool isAscii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

char32_t foldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? char32_t(c + 32) : char32_t(c);
}

std::vector<char32_t> foldUnicode(std::string_view s)
{
    const QString folded = QString::fromUtf8(s.data(), qsizetype(s.size())).toCaseFolded();
    std::vector<char32_t> out;
    out.reserve(size_t(folded.size()));
    for (char32_t cp : folded.toUcs4())
        out.push_back(cp);
    return out;
}

bool isDigit(char32_t c)
{
    return c < 0x80 ? (c >= '0' && c <= '9') : QChar::isDigit(c);
}

// Matches one bracket set starting after its "[" at p; sets p past the "]".
// Returns false for 'matched' when the set has no closing bracket.
template <typename Seq> bool matchSet(const Seq& pat, size_t& p, char32_t c, bool& matched)
{
    size_t i = p;
    bool negate = false;
    if (i < pat.size() && pat[i] == U'!') {
        negate = true;
        ++i;
    }
    bool hit = false;
    bool any = false;
    while (i < pat.size() && pat[i] != U']') {
        char32_t lo = pat[i];
        char32_t hi = lo;
        if (i + 2 < pat.size() && pat[i + 1] == U'-' && pat[i + 2] != U']') {
            hi = pat[i + 2];
            i += 3;
        } else {
            i += 1;
        }
        any = true;
        if (c >= lo && c <= hi)
            hit = true;
    }
    if (i >= pat.size())
        return false; // no closing bracket: not a set
    p = i + 1;
    matched = any && (hit != negate);
    return true;
}

// One pattern element against one character. Advances p past the element.
template <typename Seq> bool matchOne(const Seq& pat, size_t& p, char32_t c)
{
    const char32_t e = pat[p];
    if (e == U'?') {
        ++p;
        return true;
    }
    if (e == U'#') {
        ++p;
        return isDigit(c);
    }
    if (e == U'[') {
        size_t q = p + 1;
        bool matched = false;
        if (matchSet(pat, q, c, matched)) {
            p = q;
            return matched;
        }
    }
    ++p;
    return e == c;
}

// Wildcard match with one backtrack point per star (the classic greedy scan).
template <typename Seq> bool matchAll(const Seq& pat, const Seq& text)
{
    size_t p = 0, t = 0;
    size_t starP = size_t(-1), starT = 0;
    while (t < text.size()) {
        if (p < pat.size() && pat[p] == U'*') {
            starP = ++p;
            starT = t;
            continue;
        }
        size_t next = p;
        if (p < pat.size() && matchOne(pat, next, text[t])) {
            p = next;
            ++t;
            continue;
        }
        if (starP == size_t(-1))
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pat.size() && pat[p] == U'*')
        ++p;
    return p == pat.size();
}

// An ASCII text viewed as folded code points without copying.
struct AsciiFolded {
    std::string_view s;
    size_t size() const { return s.size(); }
    char32_t operator[](size_t i) const { return foldAscii(static_cast<unsigned char>(s[i])); }
};

} // namespace

bool MatchesLikePattern(std::string_view pattern, std::string_view text)
{
    if (isAscii(pattern) && isAscii(text))
        return matchAll(AsciiFolded{pattern}, AsciiFolded{text});
    return matchAll(foldUnicode(pattern), foldUnicode(text));
}

} // namespace lw
