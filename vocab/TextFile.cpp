#include "vocab/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr QByteArrayView kBomView(kBom, 3);
constexpr char kLineEnd[] = "\r\n";

QString describe(const QString& path, const QString& reason)
{
    return QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), reason);
}

bool hasHighByte(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

Encoding detectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(kBomView))
        return Encoding::Utf8WithBom;
    // Pure ASCII reads the same either way; only real multi-byte UTF-8 marks a UTF-8 file.
    if (hasHighByte(bytes) && bytes.isValidUtf8())
        return Encoding::Utf8;
    return Encoding::Gbk;
}

QString decode(QByteArrayView bytes, Encoding encoding, bool* hadErrors)
{
    if (encoding == Encoding::Utf8WithBom && bytes.startsWith(kBomView))
        bytes = bytes.sliced(3);
    QStringDecoder decoder(encoding == Encoding::Gbk ? "GBK" : "UTF-8", QStringDecoder::Flag::Stateless);
    // A lead byte cut off at the end of the data would otherwise vanish without a trace; a line
    // feed after it makes the decoder report it as U+FFFD.
    const bool addedEnd = !bytes.endsWith('\n');
    QString text = addedEnd ? QString(decoder(bytes.toByteArray() + '\n')) : QString(decoder(bytes));
    if (addedEnd)
        text.chop(1);
    if (hadErrors)
        *hadErrors = decoder.hasError();
    return text;
}

QByteArray encode(const QString& text, Encoding encoding, bool* unencodable)
{
    QStringEncoder encoder(encoding == Encoding::Gbk ? "GBK" : "UTF-8", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder(text);
    if (unencodable)
        *unencodable = encoder.hasError();
    return bytes;
}

QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

bool exists(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool createEmpty(const QString& path, QString* error)
{
    if (exists(path) && !QFileInfo(path).isWritable()) {
        *error = describe(path, QStringLiteral("The file is read-only."));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.commit()) {
        *error = describe(path, file.errorString());
        return false;
    }
    return true;
}

std::optional<Content> readLines(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = describe(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = describe(path, file.errorString());
        return std::nullopt;
    }
    Content content;
    content.encoding = detectEncoding(bytes);
    content.lines = splitLines(decode(bytes, content.encoding, &content.hadDecodeErrors));
    return content;
}

bool appendLine(const QString& path, const QString& line, QString* error)
{
    QFile file(path);
    if (!exists(path)) {
        *error = describe(path, QStringLiteral("The file does not exist."));
        return false;
    }
    if (!file.open(QIODevice::ReadWrite)) {
        *error = describe(path, file.errorString());
        return false;
    }
    const QByteArray old = file.readAll();
    Encoding encoding = detectEncoding(old);
    bool unencodable = false;
    QByteArray bytes = encode(line, encoding, &unencodable);
    if (unencodable && old.isEmpty()) {
        // An empty file has no encoding of its own yet: take one that can hold the line.
        encoding = Encoding::Utf8WithBom;
        bytes = kBomView.toByteArray() + encode(line, encoding, &unencodable);
    }
    if (unencodable) {
        *error =
            describe(path, QStringLiteral("The entry has characters that this file's encoding (GBK) cannot hold."));
        return false;
    }
    if (!old.isEmpty() && !old.endsWith('\n'))
        bytes.prepend(kLineEnd);
    bytes.append(kLineEnd);
    const qint64 oldSize = old.size();
    if (!file.seek(oldSize) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = describe(path, file.errorString());
        file.resize(oldSize); // a cut-off line must not stay behind
        return false;
    }
    return true;
}

bool writeLines(const QString& path, const QStringList& lines, Encoding encoding, QString* error)
{
    QByteArray bytes;
    if (encoding == Encoding::Utf8WithBom)
        bytes.append(kBomView);
    for (const QString& line : lines) {
        bool unencodable = false;
        bytes.append(encode(line, encoding, &unencodable));
        if (unencodable) {
            *error = describe(path, QStringLiteral("An entry has characters that this file's encoding cannot hold."));
            return false;
        }
        bytes.append(kLineEnd);
    }
    if (exists(path) && !QFileInfo(path).isWritable()) {
        *error = describe(path, QStringLiteral("The file is read-only."));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = describe(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool remove(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.remove()) {
        *error = describe(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace TextFile
