#pragma once

#include "vocab/WordList.h"

#include <QString>
#include <QStringList>

// The drill state every window shares: which list is loaded, its entries and the drill interval.
struct Share {
    enum : qint16 { NoteFileSource = 1, PackagedSource = 2 };

    QString LibraryKey; // a packaged list's key, or the note file's path; names the saved position
    qint16 SourceKind = 0;
    QString WordFile; // the file the main window reads
    QStringList Words = QStringList(LastSlot + 1);
    qint16 EntryEnd = 1; // one past the last entry
    qint16 Interval = 5; // seconds between entries
    QString NoteFile;
    qint16 UpperCase = 0;
    qint16 MaxIndex = 0;

    // Slot n of the table, or an empty entry outside it.
    QString entry(int n) const { return n >= 0 && n < Words.size() ? Words.at(n) : QString(); }
    int lastEntry() const { return EntryEnd - 1; }
    bool isEmpty() const { return EntryEnd <= 1; }
};
