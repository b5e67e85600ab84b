#pragma once

#include <QString>

// The note file's path when the user has not chosen one: "c:\taviknote.txt" on Windows, where the
// program has always kept it; taviknote.txt in the home folder elsewhere.
QString defaultNotePath();
