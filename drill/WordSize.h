#pragma once

// The word label's font size in points for a word of the given length; capitals are wider, so
// in capitals the 36-point band begins at 13 characters instead of 15.
inline int wordPointSize(int length, bool upperCase)
{
    if (length <= 5)
        return 52;
    if (length <= 10)
        return 48;
    if (length <= 12)
        return 40;
    if (length <= 14)
        return upperCase ? 36 : 40;
    if (length == 15)
        return 36;
    if (length <= 22)
        return 28;
    return 24;
}
