#include "vocab/NoteLocation.h"

#include <QDir>
#include <QOperatingSystemVersion>

QString defaultNotePath()
{
    if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
        return QStringLiteral("c:\\taviknote.txt");
    return QDir::toNativeSeparators(QDir::home().filePath(QStringLiteral("taviknote.txt")));
}
