#include "vocab/Library.h"

#include "drill/Share.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "vocab/NoteLocation.h"
#include "vocab/Resources.h"
#include "vocab/TextFile.h"

#include <QDir>

namespace Library {

namespace {

QString readNoteSetting(const SettingsStore& settings)
{
    return settings.GetSetting(SettingNames::Kelmo, SettingNames::Note, SettingNames::File, NeverStored);
}

bool ensureNoteFile(const QString& path, QString* error)
{
    if (TextFile::exists(path))
        return true;
    QString reason;
    if (TextFile::createEmpty(path, &reason))
        return true;
    *error = QStringLiteral("The note file could not be created.\n%1").arg(reason);
    return false;
}

} // namespace

bool PrepareNoteFile(Share& share, SettingsStore& settings, QString* error)
{
    QString path = readNoteSetting(settings);
    if (path == NeverStored) {
        settings.SaveSetting(SettingNames::Kelmo, SettingNames::Note, SettingNames::File, defaultNotePath());
        path = readNoteSetting(settings);
    }
    share.NoteFile = path;
    return ensureNoteFile(path, error);
}

bool LoadMain(Share& share, const QString& sourcefile1, const QString& tempDir, QString* error)
{
    const QString target = tempDir + sourcefile1;
    if (!SaveFileFromRes(sourcefile1, ListType, target)) {
        const bool present = LoadResData(sourcefile1, ListType).has_value();
        *error = present ? QStringLiteral("The word list %1 could not be written to\n%2")
                               .arg(sourcefile1, QDir::toNativeSeparators(target))
                         : QStringLiteral("The word list %1 is missing from this program.").arg(sourcefile1);
        return false;
    }
    share.WordFile = target;
    return true;
}

void LoadMain1(Share& share, const QString& sourcefile1)
{
    share.WordFile = sourcefile1;
}

bool ChoosePackagedList(Share& share, const QString& key, const QString& tempDir, QString* error)
{
    if (!LoadMain(share, key, tempDir, error))
        return false;
    share.SourceKind = Share::PackagedSource;
    share.LibraryKey = key;
    return true;
}

bool ChooseNoteFile(Share& share, SettingsStore& settings, QString* error)
{
    if (!PrepareNoteFile(share, settings, error))
        return false;
    share.LibraryKey = share.NoteFile;
    share.SourceKind = Share::NoteFileSource;
    LoadMain1(share, share.LibraryKey);
    return true;
}

bool StoreNoteLocation(SettingsStore& settings, const QString& path, QString* error)
{
    if (path.isEmpty())
        return true;
    const QString native = QDir::toNativeSeparators(path);
    if (!ensureNoteFile(native, error))
        return false;
    settings.SaveSetting(SettingNames::Kelmo, SettingNames::Note, SettingNames::File, native);
    return true;
}

} // namespace Library
