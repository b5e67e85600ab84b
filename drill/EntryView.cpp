#include "drill/EntryView.h"

#include "drill/Share.h"
#include "vocab/Entry.h"

QString leadingBlank(int n)
{
    return n < 0 ? QString::number(n) : u' ' + QString::number(n);
}

EntryView viewOfEntry(const Share& share, int n)
{
    EntryView view;
    view.number = QStringLiteral("NO.") + leadingBlank(n);
    if (n < 0 || n > LastSlot)
        return view;
    const Entry entry = splitEntry(share.entry(n));
    switch (entry.kind) {
    case Entry::Kind::Word:
        view.changesDisplay = true;
        view.speaks = true;
        view.word = entry.word;
        view.rest = entry.rest;
        view.phonetic = entry.phonetic;
        view.meaning = entry.meaning;
        break;
    case Entry::Kind::NoSeparator:
        view.changesDisplay = true;
        view.word = entry.word;
        break;
    case Entry::Kind::LeadingSlash:
        break;
    }
    return view;
}
