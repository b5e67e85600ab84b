#pragma once

#include <QString>

struct Share;

// What showing entry N puts on the screen, worked out without touching a window.
struct EntryView {
    bool changesDisplay = false; // false: word, phonetic and meaning keep what they show
    bool speaks = false;         // only an entry with a word is spoken
    QString word;
    QString rest;     // the text after the first "/"
    QString phonetic; // as stored
    QString meaning;
    QString number; // "NO. 12"
};

EntryView viewOfEntry(const Share& share, int n);

// Numbers in the settings boxes and the number label carry a leading blank when not negative.
QString leadingBlank(int n);
