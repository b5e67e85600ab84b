#pragma once

#include <QString>

#include <optional>

// The rules of the settings panel's two number boxes, checked at every change of their text.

// A box's text as a whole number, blanks allowed; nullopt when it is no number at all (empty,
// letters). Numbers beyond the 16-bit range come back as they are, for the range checks to catch.
std::optional<long long> boxNumber(const QString& text);

// What a change of a box's text asks for: a corrected text, and for the interval a message.
struct BoxCorrection {
    QString text;
    QString message;
};

// The start-number box: " 0" (the placeholder) and numbers beyond the last entry pass unchanged;
// below 1 becomes "1".
std::optional<BoxCorrection> startBoxCorrection(const QString& text);

// The interval box: above 30 becomes "30" and below 2 becomes "2", each with its message.
std::optional<BoxCorrection> intervalBoxCorrection(const QString& text);

// The entry OK shows for the start box: a number beyond the list shows the last entry; text that is
// no number keeps the entry on display.
int startEntryFor(const QString& text, int currentIndex, int entryEnd);

// The interval OK applies; text that is no number keeps the current interval.
int intervalFor(const QString& text, int currentInterval);
