#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A second copy of the program refuses to run while the first runs, and the lock of a copy that
// is gone is taken over. The copies are real processes.
class TestSingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lockLivesInTheRuntimeFolder();
    void folderFallsBackToTheTemporaryFolder();
    void secondLockInOneProcessIsRefused();
    void secondProcessEndsAtOnce();
    void lockOfAKilledProcessIsTakenOver();
    void oldLockOfARunningProcessStillHolds();

private:
    std::unique_ptr<QProcess> startHolder();
    static QString probe(int* exitCode = nullptr);
    static void quit(QProcess& holder);
};

namespace {

QString helperPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"tst_singleinstance_helper"_qs);
}

} // namespace

std::unique_ptr<QProcess> TestSingleInstance::startHolder()
{
    auto holder = std::make_unique<QProcess>();
    holder->start(helperPath(), {u"hold"_qs});
    if (!holder->waitForStarted())
        return nullptr;
    while (!holder->canReadLine())
        if (!holder->waitForReadyRead(30000))
            return nullptr;
    if (holder->readLine().trimmed() != "locked")
        return nullptr;
    return holder;
}

QString TestSingleInstance::probe(int* exitCode)
{
    QProcess second;
    second.start(helperPath(), {});
    if (!second.waitForFinished(30000))
        return u"did not end"_qs;
    if (exitCode)
        *exitCode = second.exitCode();
    return QString::fromLatin1(second.readAllStandardOutput().trimmed());
}

void TestSingleInstance::quit(QProcess& holder)
{
    holder.write("quit\n");
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(30000));
    QCOMPARE(holder.exitCode(), 0);
}

void TestSingleInstance::lockLivesInTheRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QVERIFY(!runtime.isEmpty());
    QCOMPARE(QDir(SingleInstance::defaultFolder()).canonicalPath(), QDir(runtime).canonicalPath());
    SingleInstance instance;
    QCOMPARE(QFileInfo(instance.lockFilePath()).dir().canonicalPath(), QDir(runtime).canonicalPath());
}

void TestSingleInstance::folderFallsBackToTheTemporaryFolder()
{
    QCOMPARE(SingleInstance::folderFor(QString()), QDir::tempPath());
    QCOMPARE(SingleInstance::folderFor(u"/no/such/runtime/folder"_qs), QDir::tempPath());
    QTemporaryDir runtime;
    QCOMPARE(SingleInstance::folderFor(runtime.path()), runtime.path());
}

void TestSingleInstance::secondLockInOneProcessIsRefused()
{
    QTemporaryDir folder;
    auto first = std::make_unique<SingleInstance>(folder.path());
    SingleInstance second(folder.path());
    QVERIFY(first->tryLock());
    QVERIFY(first->tryLock());
    QVERIFY(!second.tryLock());
    first.reset();
    QVERIFY(second.tryLock());
}

void TestSingleInstance::secondProcessEndsAtOnce()
{
    std::unique_ptr<QProcess> first = startHolder();
    QVERIFY(first);
    int exitCode = -1;
    QCOMPARE(probe(&exitCode), u"already running"_qs);
    QCOMPARE(exitCode, 1);
    quit(*first);
    QCOMPARE(probe(&exitCode), u"locked"_qs);
    QCOMPARE(exitCode, 0);
}

void TestSingleInstance::lockOfAKilledProcessIsTakenOver()
{
    std::unique_ptr<QProcess> first = startHolder();
    QVERIFY(first);
    first->kill();
    QVERIFY(first->waitForFinished(30000));
    QVERIFY(QFile::exists(SingleInstance().lockFilePath()));
    QCOMPARE(probe(), u"locked"_qs);
    std::unique_ptr<QProcess> next = startHolder();
    QVERIFY(next);
    QCOMPARE(probe(), u"already running"_qs);
    quit(*next);
}

void TestSingleInstance::oldLockOfARunningProcessStillHolds()
{
    std::unique_ptr<QProcess> first = startHolder();
    QVERIFY(first);
    QFile lock(SingleInstance().lockFilePath());
    QVERIFY(lock.open(QIODevice::ReadOnly));
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    QVERIFY(lock.setFileTime(dayAgo, QFileDevice::FileModificationTime));
    lock.close();
    QCOMPARE(probe(), u"already running"_qs);
    quit(*first);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
