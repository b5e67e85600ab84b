#include "drill/SettingsBoxes.h"

#include "drill/DrillSettings.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

std::optional<long long> boxNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const long long n = trimmed.toLongLong(&ok);
    if (ok)
        return n;
    // Digits beyond even 64 bits are still a number, and a huge one.
    static const QRegularExpression digits(QStringLiteral("^[+-]?\\d+$"));
    if (digits.match(trimmed).hasMatch())
        return trimmed.startsWith(u'-') ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    return std::nullopt;
}

std::optional<BoxCorrection> startBoxCorrection(const QString& text)
{
    if (text == QStringLiteral(" 0"))
        return std::nullopt;
    const auto n = boxNumber(text);
    if (n && *n < 1)
        return BoxCorrection{QStringLiteral("1"), QString()};
    return std::nullopt;
}

std::optional<BoxCorrection> intervalBoxCorrection(const QString& text)
{
    const auto n = boxNumber(text);
    if (!n)
        return std::nullopt;
    if (*n > MaxInterval)
        return BoxCorrection{QString::number(MaxInterval), QStringLiteral("The interval cannot > 30S OK!")};
    if (*n < MinInterval)
        return BoxCorrection{QString::number(MinInterval), QStringLiteral("The interval cannot < 2S OK!")};
    return std::nullopt;
}

int startEntryFor(const QString& text, int currentIndex, int entryEnd)
{
    const auto n = boxNumber(text);
    if (!n)
        return currentIndex;
    const long long last = std::max(entryEnd - 1, 1);
    return static_cast<int>(std::clamp(*n, 1LL, last));
}

int intervalFor(const QString& text, int currentInterval)
{
    const auto n = boxNumber(text);
    if (!n)
        return currentInterval;
    return static_cast<int>(std::clamp(*n, static_cast<long long>(MinInterval), static_cast<long long>(MaxInterval)));
}
