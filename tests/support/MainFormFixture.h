#pragma once

#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/common/Context.h"
#include "ui/common/MessageBox.h"
#include "ui/main/mainForm.h"
#include "vocab/TextFile.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A real main window on a word list of the test's own, with a fresh settings file, a fake voice
// and messages collected instead of shown.
class MainFormFixture {
public:
    MainFormFixture()
        : settings(dir.filePath(QStringLiteral("settings.ini")))
        , context{share, settings, voice, dir.path() + u'/'}
    {
        MessageBox::setHook([this](const QString&, const QString& text) { messages.append(text); });
    }
    ~MainFormFixture()
    {
        delete form;
        MessageBox::setHook(nullptr);
    }
    Q_DISABLE_COPY_MOVE(MainFormFixture)

    mainForm* open(const QStringList& lines, const QString& key = QStringLiteral("TEST"))
    {
        share.LibraryKey = key;
        share.SourceKind = Share::PackagedSource;
        share.WordFile = dir.filePath(key);
        share.NoteFile = dir.filePath(QStringLiteral("note.txt"));
        writeGbkList(share.WordFile, lines);
        return create();
    }

    mainForm* openNote(const QStringList& lines)
    {
        share.NoteFile = dir.filePath(QStringLiteral("note.txt"));
        share.LibraryKey = share.NoteFile;
        share.WordFile = share.NoteFile;
        share.SourceKind = Share::NoteFileSource;
        writeGbkList(share.NoteFile, lines);
        return create();
    }

    template <typename T> T* child(const char* name) const { return form->findChild<T*>(QString::fromLatin1(name)); }

    QString position() const
    {
        return settings.GetSetting(share.LibraryKey, QStringLiteral("Startup"), QStringLiteral("Left"),
                                   QStringLiteral("absent"));
    }

    QTemporaryDir dir;
    SettingsStore settings;
    Share share;
    FakeVoice voice;
    Context context;
    QPointer<mainForm> form;
    QStringList messages;

private:
    mainForm* create()
    {
        delete form;
        form = new mainForm(context);
        form->load();
        form->show();
        if (!QTest::qWaitForWindowExposed(form))
            qWarning("main window not exposed");
        return form;
    }
};
