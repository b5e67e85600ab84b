#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

#include <memory>
#include <optional>

class QTextToSpeech;
class Voice;

// The first of the named engines that is installed and starts without an error, with an English
// voice chosen; null when none does. Engines that fail are deleted again at once.
std::unique_ptr<QTextToSpeech> openEngine(const QStringList& engines);

// A voice on the first engine that opens, or a silent one.
std::unique_ptr<Voice> openVoice(const QStringList& engines);

// The locale to speak the words in: American, then British, then any English.
std::optional<QLocale> englishLocale(const QList<QLocale>& locales);

// The index of the voice to prefer among those of the chosen locale, or -1 to keep the engine's.
qsizetype preferredVoiceIndex(const QStringList& voiceNames);
