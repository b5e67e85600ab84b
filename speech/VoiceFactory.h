#pragma once

#include <memory>

class Voice;

// The program's one speech object, on the best engine this machine has (silent without one).
// Returns at once: the engine is opened on the voice's own thread, and every call made meanwhile
// is carried out as soon as it is ready.
std::unique_ptr<Voice> createVoice();
