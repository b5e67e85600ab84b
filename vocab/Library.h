#pragma once

#include <QString>

struct Share;
class SettingsStore;

// Turning a choice in the library chooser into the file the main window reads next, and keeping the
// note file's location. Each operation returns false with a message for the user in *error when its
// file could not be made; the current list (LibraryKey, SourceKind, WordFile) then stays as it was.
namespace Library {

// The setting ("Kelmo", "Note", "File") holds the note file's full path; "0" means never stored.
inline const QString NeverStored = QStringLiteral("0");
inline const QString ListType = QStringLiteral("DIC");

// The note-file step run each time the chooser loads: stores the default path on first use, sets
// NoteFile from the setting and creates an empty note file when none exists.
bool PrepareNoteFile(Share& share, SettingsStore& settings, QString* error);

// Writes the packaged list sourcefile1 to tempDir + sourcefile1 and makes that the word file.
bool LoadMain(Share& share, const QString& sourcefile1, const QString& tempDir, QString* error);
// Makes the file at sourcefile1 the word file, read in place.
void LoadMain1(Share& share, const QString& sourcefile1);

// A packaged-list button: the list becomes the current list.
bool ChoosePackagedList(Share& share, const QString& key, const QString& tempDir, QString* error);
// The note-file button: the note file becomes the current list.
bool ChooseNoteFile(Share& share, SettingsStore& settings, QString* error);

// The note-location button with the path the user chose: the file is created when missing and the
// path stored. An empty path (a cancelled dialog) changes nothing. A path whose file cannot be made
// is not stored, so the note file the user had stays in use.
bool StoreNoteLocation(SettingsStore& settings, const QString& path, QString* error);

} // namespace Library
