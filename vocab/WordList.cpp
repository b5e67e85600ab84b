#include "vocab/WordList.h"

bool isContinuationLine(const QString& line)
{
    return line.contains(u'=') || line.indexOf(u':', 1) >= 0 || line.contains(QStringLiteral("<>")) ||
           line.contains(u'(');
}

namespace {

void setRow(QStringList& rows, qsizetype row, const QString& text)
{
    if (row < rows.size())
        rows[row] = text;
    else
        rows.append(text);
}

} // namespace

WordList readWordList(const QStringList& lines)
{
    WordList list;
    list.Words.resize(LastSlot + 1);
    int loadCounter = 1;
    for (const QString& line : lines) {
        if (line.contains(u'/')) {
            if (loadCounter > LastSlot) {
                list.truncated = true;
                break;
            }
            list.Words[loadCounter++] = line;
        } else if (isContinuationLine(line)) {
            QString& slot = list.Words[loadCounter - 1];
            slot += QStringLiteral("\r\n") + line;
        }
        // Lines met before the first entry get rows of their own, which the entries then overwrite
        // from row 0 on. An entry that begins with "/" gets an empty row, so row r stays entry r + 1.
        const QString& newest = list.Words[loadCounter - 1];
        const qsizetype p = newest.indexOf(u'/');
        if (p >= 0)
            setRow(list.rows, loadCounter - 2, newest.left(p));
        else
            list.rows.append(line);
    }
    list.EntryEnd = loadCounter;
    return list;
}
