#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The texts of the help window, kept apart from the window so they can be checked without a screen.
namespace HelpText {

// The guide's lines as written for Windows, where the note file's default is "C:\taviknote.txt".
QStringList guideLines();

// The guide as the help window shows it: lines joined by CR LF, with the note file's default path in
// place of "C:\taviknote.txt" where the default lies elsewhere.
QString guide(const QString& defaultNotePath);

QString heading();
QString versionLine();

// Where word lists for the program are sent; the mail line shows it and its click writes to it.
QString mailAddress();
QString mailLine();
QUrl mailUrl();

} // namespace HelpText
