#pragma once

#include <memory>

class Voice;

// The program's one speech object, on the best engine this machine has (silent without one).
std::unique_ptr<Voice> createVoice();
