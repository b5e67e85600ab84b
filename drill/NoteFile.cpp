#include "drill/NoteFile.h"

#include "drill/Share.h"
#include "vocab/TextFile.h"
#include "vocab/WordList.h"

namespace {

// The file lines that make up entry n: its line with "/" and the continuation lines the reader
// joined to it. Returns the first and one past the last line, or {-1, -1}.
std::pair<qsizetype, qsizetype> linesOfEntry(const QStringList& lines, int n)
{
    int entry = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).contains(u'/') || ++entry != n)
            continue;
        qsizetype end = i + 1;
        for (qsizetype j = i + 1; j < lines.size() && !lines.at(j).contains(u'/'); ++j) {
            if (isContinuationLine(lines.at(j)))
                end = j + 1;
        }
        return {i, end};
    }
    return {-1, -1};
}

QString joinedEntry(const QStringList& lines, qsizetype first, qsizetype end)
{
    QString text = lines.at(first);
    for (qsizetype j = first + 1; j < end; ++j) {
        if (isContinuationLine(lines.at(j)))
            text += QStringLiteral("\r\n") + lines.at(j);
    }
    return text;
}

} // namespace

bool AddToNote(const Share& share, int n, QString* error)
{
    if (!TextFile::exists(share.NoteFile) && !TextFile::createEmpty(share.NoteFile, error))
        return false;
    return TextFile::appendLine(share.NoteFile, share.entry(n), error);
}

bool DeleteFromNote(Share& share, int n, QString* error)
{
    if (n < 1 || n > share.lastEntry())
        return false;
    const auto content = TextFile::readLines(share.WordFile, error);
    if (!content)
        return false;
    QStringList lines = content->lines;
    const auto [first, end] = linesOfEntry(lines, n);
    if (first < 0 || joinedEntry(lines, first, end) != share.Words.at(n)) {
        *error = QStringLiteral("%1\nThe note file has changed since it was loaded; choose it again to reload it.")
                     .arg(share.WordFile);
        return false;
    }
    lines.remove(first, end - first);
    if (!TextFile::writeLines(share.WordFile, lines, content->encoding, error))
        return false;
    share.Words.removeAt(n);
    share.Words.append(QString());
    --share.EntryEnd;
    return true;
}
