#pragma once

#include <QString>

#include <array>

// What the library chooser offers: 23 packaged lists, the personal note file, and the button that
// chooses where the note file lives. Entry n belongs to the button Command<n>.
struct CatalogueEntry {
    enum Kind : qint16 { NoteLocation = 0, NoteFile = 1, PackagedList = 2 };

    int number;      // the button's number
    QString caption; // kept with its inner runs of blanks
    QString toolTip;
    QString key; // the resource name of type "DIC" of a packaged list; empty otherwise
    Kind kind;
};

inline constexpr int CatalogueSize = 25;

const std::array<CatalogueEntry, CatalogueSize>& Catalogue();

// The entry of button Command<number>, 1 to 25.
const CatalogueEntry& CatalogueEntryOf(int number);
