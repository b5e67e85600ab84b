#include "vocab/PhoneticAlphabet.h"

namespace {

char16_t ipaFor(char16_t c)
{
    switch (c) {
    case u'5':
        return u'\u02C8'; // ˈ primary stress
    case u'7':
    case u'9':
    case u'`':
        return u'\u02CC'; // ˌ secondary stress
    case u'A':
        return u'\u00E6'; // æ
    case u'B':
        return u'\u0251'; // ɑ
    case u'C':
    case u'R':
        return u'\u0254'; // ɔ
    case u'E':
        return u'\u0259'; // ə
    case u'F':
        return u'\u0283'; // ʃ
    case u'I':
        return u'\u026A'; // ɪ
    case u'J':
        return u'\u028A'; // ʊ
    case u'N':
        return u'\u014B'; // ŋ
    case u'Q':
        return u'\u028C'; // ʌ
    case u'T':
        return u'\u00F0'; // ð
    case u'U':
        return u'u';
    case u'V':
        return u'\u0292'; // ʒ
    case u'W':
        return u'\u03B8'; // θ
    case u'Z':
        return u'\u025B'; // ɛ
    case u'\\':
        return u'\u025C'; // ɜ
    case u':':
        return u'\u02D0'; // ː
    default:
        return c;
    }
}

} // namespace

QString phoneticToIpa(const QString& ascii)
{
    QString ipa = ascii;
    for (QChar& c : ipa)
        c = QChar(ipaFor(c.unicode()));
    return ipa;
}
