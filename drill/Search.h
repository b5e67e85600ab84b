#pragma once

#include <QString>

struct Share;

// Pattern matching for the search box, case-sensitive: "*" any run of characters, "?" any one
// character, "#" any one digit, "[a-z]" any one character of the list, "[!...]" any one character
// not in it; everything else matches itself. An unclosed "[" stands for itself.
bool likeMatch(const QString& text, const QString& pattern);

// The prefix search of the search box: the first entry after the start point that begins with the
// text, or 0. The scan starts after entry 1 once the text has two characters or more.
int findPrefixMatch(const Share& share, const QString& text);

// The next entry after `start` that contains the text (as a pattern) anywhere, or 0. No wrap.
int findNextMatch(const Share& share, int start, const QString& text);

// The typing exercise: the typed text must be how the word on display begins.
inline bool typingMatches(const QString& typed, const QString& word)
{
    return word.startsWith(typed);
}
