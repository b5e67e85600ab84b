#pragma once

#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

// Writes lines as a GBK word list with CR LF line ends, as the packaged lists are stored.
inline QByteArray gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder(text);
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline bool writeGbkList(const QString& path, const QStringList& lines)
{
    return writeBytes(path, gbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
