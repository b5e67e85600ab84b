#include "vocab/Entry.h"

Entry splitEntry(const QString& text)
{
    Entry entry;
    const qsizetype p = text.indexOf(u'/');
    if (p < 0) {
        entry.kind = Entry::Kind::NoSeparator;
        entry.word = text;
        return entry;
    }
    if (p == 0) {
        entry.kind = Entry::Kind::LeadingSlash;
        return entry;
    }
    entry.kind = Entry::Kind::Word;
    entry.word = text.left(p);
    entry.rest = text.mid(p + 1);
    const qsizetype q = entry.rest.indexOf(u'/');
    if (q < 0) {
        entry.meaning = entry.rest;
    } else {
        entry.phonetic = entry.rest.left(q);
        entry.meaning = entry.rest.mid(q + 1);
    }
    return entry;
}
