#include "ui/common/Fonts.h"

#include "vocab/PhoneticAlphabet.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

namespace {

// Chinese text needs a CJK face behind every Latin one.
const QStringList kChinese = {QStringLiteral("AR PL UMing CN"),   QStringLiteral("Noto Serif CJK SC"),
                              QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("SimSun"),           QStringLiteral("NSimSun")};

QStringList withChinese(QStringList faces)
{
    faces.append(kChinese);
    return faces;
}

} // namespace

void installSubstitutions()
{
    QFont::insertSubstitutions(SimSun, kChinese);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), kChinese);
    QFont::insertSubstitutions(TimesNewRoman,
                               withChinese({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}));
    QFont::insertSubstitutions(Arial, withChinese({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}));
    QFont::insertSubstitutions(CourierNew,
                               withChinese({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}));
}

QFont font(const QString& family, qreal pointSize, bool bold, bool underline)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

bool hasPhoneticFont()
{
    static const bool installed = QFontDatabase::hasFamily(KingsoftPhonetic);
    return installed;
}

QString phoneticDisplayText(const QString& stored)
{
    return hasPhoneticFont() ? stored : phoneticToIpa(stored);
}

QFont phoneticFont(qreal pointSize)
{
    if (hasPhoneticFont())
        return font(KingsoftPhonetic, pointSize);
    // DejaVu Sans carries every IPA symbol the lists use.
    QFont f = font(QStringLiteral("DejaVu Sans"), pointSize);
    f.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"), QStringLiteral("FreeSerif"), TimesNewRoman});
    return f;
}

} // namespace Fonts
