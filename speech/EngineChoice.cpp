#include "speech/EngineChoice.h"

#include "speech/EngineVoice.h"
#include "speech/SilentVoice.h"
#include "speech/SpeechServerWatch.h"

#include <QTextToSpeech>

namespace {

// speech-dispatcher files espeak-ng's regional variants under the same locale as the main voices
// and lists the Caribbean one first; name the main ones.
const QStringList kMainEnglishVoices = {QStringLiteral("English (America)"), QStringLiteral("English (Great Britain)")};

bool isUsable(const QTextToSpeech& engine)
{
    // speech-dispatcher that cannot be reached reports Error; flite without an audio device
    // reports a playback error while it still says Ready.
    return engine.state() != QTextToSpeech::Error && engine.errorReason() != QTextToSpeech::ErrorReason::Playback;
}

void chooseEnglishVoice(QTextToSpeech& engine)
{
    const std::optional<QLocale> locale = englishLocale(engine.availableLocales());
    if (!locale)
        return;
    engine.setLocale(*locale);
    const QList<QVoice> voices = engine.availableVoices();
    QStringList names;
    for (const QVoice& voice : voices)
        names.append(voice.name());
    const qsizetype index = preferredVoiceIndex(names);
    if (index >= 0)
        engine.setVoice(voices.at(index));
}

} // namespace

std::unique_ptr<QTextToSpeech> openEngine(const QStringList& engines)
{
    const QStringList installed = QTextToSpeech::availableEngines();
    for (const QString& name : engines) {
        if (!installed.contains(name))
            continue;
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (!isUsable(*engine))
            continue;
        chooseEnglishVoice(*engine);
        return engine;
    }
    return nullptr;
}

std::unique_ptr<Voice> openVoice(const QStringList& engines)
{
    std::unique_ptr<QTextToSpeech> engine = openEngine(engines);
    if (!engine)
        return std::make_unique<SilentVoice>();
    if (engine->engine() == u"speechd") {
        const SpeechServerWatch server;
        return std::make_unique<EngineVoice>(std::move(engine), [server] { return server.alive(); });
    }
    return std::make_unique<EngineVoice>(std::move(engine));
}

std::optional<QLocale> englishLocale(const QList<QLocale>& locales)
{
    for (const QLocale& wanted :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
        if (locales.contains(wanted))
            return wanted;
    }
    for (const QLocale& locale : locales) {
        if (locale.language() == QLocale::English)
            return locale;
    }
    return std::nullopt;
}

qsizetype preferredVoiceIndex(const QStringList& voiceNames)
{
    for (const QString& name : kMainEnglishVoices) {
        const qsizetype index = voiceNames.indexOf(name);
        if (index >= 0)
            return index;
    }
    return -1;
}
