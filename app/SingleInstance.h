#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running: the first copy holds a lock file in the user's
// runtime folder for as long as it runs. A lock left behind by a copy that crashed or was killed
// is taken over.
class SingleInstance {
public:
    // The lock lives in the given folder (the user's runtime folder by default).
    explicit SingleInstance(const QString& folder = defaultFolder());
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True when no other copy runs; the lock is then held until this object is destroyed.
    bool tryLock();
    QString lockFilePath() const { return m_path; }

    // The user's runtime folder, or the temporary folder where there is none.
    static QString defaultFolder();
    static QString folderFor(const QString& runtimeFolder);

private:
    QString m_path;
    QLockFile m_lock;
};
