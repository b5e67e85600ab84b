#pragma once

// What one tick of the main window's drill timer does.
enum class TickStep {
    Nothing,   // an empty list has nothing to advance to
    EndOfList, // the last entry (or a position beyond it) is on display: congratulate and wrap
    Advance,   // show the next entry
};

inline TickStep nextTickStep(int currentIndex, int entryEnd)
{
    if (entryEnd <= 1)
        return TickStep::Nothing;
    return currentIndex >= entryEnd - 1 ? TickStep::EndOfList : TickStep::Advance;
}
