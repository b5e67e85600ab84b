#pragma once

#include <QString>

struct Share;
class SettingsStore;
class Voice;

// What every window works with: the shared drill state, the settings store, the speech object and
// the folder for temporary files (with its trailing separator).
struct Context {
    Share& share;
    SettingsStore& settings;
    Voice& voice;
    QString TempDir;
};
