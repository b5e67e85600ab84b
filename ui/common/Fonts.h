#pragma once

#include <QFont>
#include <QString>

// The window designs name Windows faces (宋体, Times New Roman, Arial, Courier New). Where a face is
// missing, the closest installed face of the same kind stands in, so Chinese and phonetic symbols
// never show as boxes.
namespace Fonts {

inline const QString SimSun = QStringLiteral("宋体");
inline const QString TimesNewRoman = QStringLiteral("Times New Roman");
inline const QString Arial = QStringLiteral("Arial");
inline const QString CourierNew = QStringLiteral("Courier New");
inline const QString KingsoftPhonetic = QStringLiteral("Kingsoft Phonetic Plain");

// Registers the stand-ins; call once after the application object exists.
void installSubstitutions();

QFont font(const QString& family, qreal pointSize, bool bold = false, bool underline = false);

// True when the phonetic font itself is installed, so the stored ASCII field can be shown as it is.
bool hasPhoneticFont();

// The phonetic field as the phonetic label should show it.
QString phoneticDisplayText(const QString& stored);

// The font for the phonetic label: the phonetic font, or a face with IPA glyphs.
QFont phoneticFont(qreal pointSize);

} // namespace Fonts
