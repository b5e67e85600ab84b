#include "app/Sub_Main.h"

#include "app/BrokenPipe.h"
#include "app/Installation.h"
#include "app/SingleInstance.h"
#include "app/WindowFlow.h"
#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "speech/MSTTSSpeak.h"
#include "speech/Voice.h"
#include "speech/VoiceFactory.h"
#include "ui/chooser/loadform.h"
#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/Fonts.h"
#include "ui/common/MessageBox.h"
#include "vocab/SysDirs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int Sub_Main(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("tavik"));
    QApplication::setWindowIcon(Art::programIcon());
    SingleInstance instance;
    if (!instance.tryLock())
        return 0;
    Fonts::installSubstitutions();
    ignoreBrokenPipes();

    // Extracted lists go to a folder only this user can enter, made afresh for this run.
    QTemporaryDir tempDir(QDir::tempPath() + QStringLiteral("/tavik-XXXXXX"));
    if (!tempDir.isValid()) {
        MessageBox::information(nullptr, QStringLiteral("The program could not make its temporary folder in\n%1\n%2")
                                             .arg(QDir::toNativeSeparators(QDir::tempPath()), tempDir.errorString()));
        return 1;
    }
    const SysDirs dirs = GetSysDirs(tempDir.path());
    Share share;
    SettingsStore settings;
    Installation::InstallSupport(settings);

    const std::unique_ptr<Voice> voice = createVoice();
    voice->setRate(160);
    SpeakWord(*voice, QStringLiteral("Welcome by tavik"));

    Context context{share, settings, *voice, dirs.TempDir};
    WindowFlow flow(context);
    QObject::connect(&flow, &WindowFlow::chooserOpened, &app, [&app](loadform* chooser) {
        QObject::connect(chooser, &loadform::quitRequested, &app, &QCoreApplication::quit);
    });
    flow.start();
    return app.exec();
}
