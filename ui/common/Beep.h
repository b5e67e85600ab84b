#pragma once

#include <functional>

// The system beep, with a hook tests use to count beeps instead of hearing them.
namespace Beep {

void beep();
void setHook(std::function<void()> hook);

} // namespace Beep
