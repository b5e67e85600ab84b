#include "app/Sub_Main.h"

#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "speech/Voice.h"
#include "speech/VoiceFactory.h"
#include "ui/common/Context.h"
#include "ui/common/Fonts.h"
#include "ui/main/mainForm.h"
#include "vocab/SysDirs.h"
#include "vocab/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int Sub_Main(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("tavik"));
    Fonts::installSubstitutions();

    QTemporaryDir tempDir(QDir::tempPath() + QStringLiteral("/tavik-XXXXXX"));
    const SysDirs dirs = GetSysDirs(tempDir.path());
    Share share;
    SettingsStore settings;
    const std::unique_ptr<Voice> voice = createVoice();
    Context context{share, settings, *voice, dirs.TempDir};

    share.NoteFile = QDir::home().filePath(QStringLiteral("taviknote.txt"));
    QString error;
    if (!TextFile::exists(share.NoteFile))
        TextFile::createEmpty(share.NoteFile, &error);
    share.SourceKind = Share::NoteFileSource;
    share.LibraryKey = share.NoteFile;
    share.WordFile = share.NoteFile;

    auto* form = new mainForm(context);
    form->load();
    form->show();
    return app.exec();
}
