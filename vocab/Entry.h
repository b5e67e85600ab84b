#pragma once

#include <QString>

// One stored entry split into word, phonetic and meaning: the first "/" ends the word, the second
// ends the phonetic, and everything after it (further "/" included) is the meaning.
struct Entry {
    enum class Kind {
        Word,         // text before the first "/": shown and spoken
        NoSeparator,  // no "/" at all: the whole text is shown as the word, not spoken
        LeadingSlash, // begins with "/": nothing to show
    };
    Kind kind = Kind::NoSeparator;
    QString word;
    QString rest; // everything after the first "/"
    QString phonetic;
    QString meaning;
};

Entry splitEntry(const QString& text);
