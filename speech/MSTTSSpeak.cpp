#include "speech/MSTTSSpeak.h"

#include "speech/Voice.h"

int rateForText(const QString& text)
{
    return text.size() >= 1 && text.size() <= 7 ? 120 : 150;
}

void SpeakWord(Voice& voice, const QString& text)
{
    voice.setRate(rateForText(text));
    voice.speak(text);
}
