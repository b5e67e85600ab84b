#pragma once

#include <QString>

class Voice;

// Short words are spoken more slowly so that a learner hears every sound.
int rateForText(const QString& text);

// Sets the rate for the text's length and speaks it.
void SpeakWord(Voice& voice, const QString& text);
