#include "drill/Search.h"

#include "drill/Share.h"

#include <algorithm>

namespace {

// Matches one bracketed character list starting at pattern[open] == '['; returns the index after
// its "]", or -1 when the list is not closed.
qsizetype matchList(QStringView pattern, qsizetype open, QChar c, bool* matched)
{
    qsizetype i = open + 1;
    const bool negate = i < pattern.size() && pattern[i] == u'!';
    if (negate)
        ++i;
    bool inList = false;
    const qsizetype first = i;
    for (; i < pattern.size(); ++i) {
        if (pattern[i] == u']' && i > first)
            break;
        if (i + 2 < pattern.size() && pattern[i + 1] == u'-' && pattern[i + 2] != u']') {
            inList = inList || (pattern[i] <= c && c <= pattern[i + 2]);
            i += 2;
        } else {
            inList = inList || pattern[i] == c;
        }
    }
    if (i >= pattern.size())
        return -1;
    *matched = inList != negate;
    return i + 1;
}

bool matchFrom(QStringView text, QStringView pattern)
{
    qsizetype t = 0;
    qsizetype p = 0;
    // Where to resume after the last "*": backtracking only ever needs the latest star.
    qsizetype starP = -1;
    qsizetype starT = 0;
    while (t < text.size()) {
        bool step = false;
        qsizetype nextP = p + 1;
        if (p < pattern.size()) {
            const QChar pc = pattern[p];
            if (pc == u'*') {
                starP = p++;
                starT = t;
                continue;
            }
            if (pc == u'?') {
                step = true;
            } else if (pc == u'#') {
                step = text[t] >= u'0' && text[t] <= u'9';
            } else if (pc == u'[') {
                bool matched = false;
                const qsizetype after = matchList(pattern, p, text[t], &matched);
                if (after < 0) {
                    step = text[t] == u'[';
                } else {
                    step = matched;
                    nextP = after;
                }
            } else {
                step = text[t] == pc;
            }
        }
        if (step) {
            ++t;
            p = nextP;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool likeMatch(const QString& text, const QString& pattern)
{
    return matchFrom(text, pattern);
}

int findPrefixMatch(const Share& share, const QString& text)
{
    for (int s = text.size() < 2 ? 1 : 2; s <= share.lastEntry(); ++s) {
        if (share.Words.at(s).startsWith(text))
            return s;
    }
    return 0;
}

int findNextMatch(const Share& share, int start, const QString& text)
{
    const QString pattern = u'*' + text + u'*';
    for (int s = std::max(start + 1, 1); s <= share.lastEntry(); ++s) {
        if (likeMatch(share.Words.at(s), pattern))
            return s;
    }
    return 0;
}
