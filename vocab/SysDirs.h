#pragma once

#include <QString>

// The folders every file the program writes is placed under.
struct SysDirs {
    QString TempDir; // the program's private temporary folder, with a trailing separator
    QString WinDir;  // the Windows folder, without a trailing separator; empty elsewhere
    QString SysDir;  // the Windows system folder, without a trailing separator; empty elsewhere
};

// privateTempDir is a folder only this user can enter (mode 0700), made afresh inside the system's
// temporary folder: a fixed name there could be pre-created or linked by another local user.
SysDirs GetSysDirs(const QString& privateTempDir);
