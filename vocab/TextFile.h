#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The text-file layer under word lists and the note file: GBK (code page 936) text with CR LF line
// ends, or UTF-8 when a user's own file is written that way. Bad bytes never stop a read; a write
// either lands whole or leaves the file as it was.
namespace TextFile {

enum class Encoding { Gbk, Utf8, Utf8WithBom };

struct Content {
    QStringList lines;
    Encoding encoding = Encoding::Gbk;
    bool hadDecodeErrors = false;
};

Encoding detectEncoding(QByteArrayView bytes);
// Decodes bytes in the given encoding; a truncated trailing sequence becomes U+FFFD.
QString decode(QByteArrayView bytes, Encoding encoding, bool* hadErrors = nullptr);
// Encodes text; *unencodable is set when a character has no counterpart in the encoding.
QByteArray encode(const QString& text, Encoding encoding, bool* unencodable = nullptr);
// Splits at LF, dropping one CR before it; a final line end does not start another line.
QStringList splitLines(const QString& text);

bool exists(const QString& path);
bool createEmpty(const QString& path, QString* error);
std::optional<Content> readLines(const QString& path, QString* error);
// Appends one line plus CR LF in the file's own encoding. The file must exist. A file whose last
// line has no line end gets one first, so the new line never joins the old last line.
bool appendLine(const QString& path, const QString& line, QString* error);
// Replaces the file with exactly these lines, each followed by CR LF, or leaves it untouched.
bool writeLines(const QString& path, const QStringList& lines, Encoding encoding, QString* error);
bool remove(const QString& path, QString* error);

} // namespace TextFile
