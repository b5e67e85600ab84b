#pragma once

#include <QStringList>

// The entry table has slots 0 to 10000; slot 0 only collects continuation lines met before the first
// entry, so a list holds at most 10000 entries.
inline constexpr int LastSlot = 10000;

struct WordList {
    QStringList Words;      // LastSlot + 1 slots; entries in 1 .. EntryEnd - 1
    int EntryEnd = 1;       // one past the last entry
    QStringList rows;       // the word list's rows: row r shows the word of entry r + 1
    bool truncated = false; // the source had more entries than the table holds
};

// A line without "/" that still belongs to the entry before it (an explanation, an analogy, an example).
bool isContinuationLine(const QString& line);

// Reads the lines of a word list into the entry table and the list rows.
WordList readWordList(const QStringList& lines);
