#pragma once

#include <QString>

struct Share;

// The personal note file: entries are appended while another list is drilled, and removed again
// while the note file itself is the current list. Memory and file never disagree: when the file
// cannot be written, nothing changes and the error says why.

// Appends slot n of the table (continuation lines included) to the note file, creating the file
// first when it is missing.
bool AddToNote(const Share& share, int n, QString* error);

// Removes entry n from the table and from the note file. The file is rewritten whole through a
// temporary file, so a crash or a full disk never leaves it half-written. Only the entry's own
// lines go; every other line of the file stays as it was (also lines the reader drops and entries
// beyond the table's 10000).
bool DeleteFromNote(Share& share, int n, QString* error);
