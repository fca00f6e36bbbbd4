#include "storage/keptcopies.h"
#include "storage/savefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifndef Q_OS_WIN
#include <functional>

#include <sched.h>
#include <signal.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QByteArray OldBytes = QByteArrayLiteral("# the old file\r\n\r\nmale01\t# Old\r\n");
const QByteArray NewBytes = QByteArrayLiteral("# the new file\r\n\r\nfemale01\t# New\r\n");
const QString SkipMark = QStringLiteral("skip: ");

#ifndef Q_OS_WIN
// Runs body in a forked process, so that limits and mounts stay with it.
// Returns what body returned: empty for a pass, SkipMark and a reason when the
// system refused the setup, a failure's description otherwise.
QString runInChild(const std::function<QString()> &body)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return QStringLiteral("no pipe: ") + QString::fromLocal8Bit(strerror(errno));
    const pid_t pid = fork();
    if (pid < 0)
        return QStringLiteral("no fork: ") + QString::fromLocal8Bit(strerror(errno));
    if (pid == 0) {
        close(pipeEnds[0]);
        const QByteArray report = body().toUtf8();
        const bool sent = write(pipeEnds[1], report.constData(), report.size()) == report.size();
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    QByteArray report;
    char buffer[512];
    ssize_t count;
    while ((count = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, count);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("the child process did not finish");
    return QString::fromUtf8(report);
}

// In a child: a mount namespace of its own whose mounts do not reach the host.
QString enterPrivateMountNamespace()
{
    if (unshare(CLONE_NEWNS) != 0
            || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return SkipMark + QStringLiteral("no private mount namespace here (needs root: ")
                + QString::fromLocal8Bit(strerror(errno)) + u')';
    return QString();
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(strerror(code));
}
#endif

// Empty when a failed write left folder holding exactly the old file.
QString checkOldFileKept(const QString &folder, const QString &error)
{
    if (error.isEmpty())
        return QStringLiteral("the failed write was reported as done");
    if (readFile(folder + QStringLiteral("/pedgrp.dat")) != OldBytes)
        return QStringLiteral("the old file changed");
    const QStringList left
            = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (left != QStringList{QStringLiteral("pedgrp.dat")})
        return QStringLiteral("the folder holds ") + left.join(u' ');
    return QString();
}

} // namespace

#ifndef Q_OS_WIN
#define VERIFY_CHILD_REPORT(report)                                                                \
    do {                                                                                           \
        const QString childReport = (report);                                                      \
        if (childReport.startsWith(SkipMark))                                                      \
            QSKIP(qPrintable(childReport.mid(SkipMark.size())));                                   \
        QVERIFY2(childReport.isEmpty(), qPrintable(childReport));                                  \
    } while (false)
#endif

class TestSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void replacesTheOldFileWithEveryByte_data();
    void replacesTheOldFileWithEveryByte();
    void failsWithoutTouchingWhatIsThere_data();
    void failsWithoutTouchingWhatIsThere();
    void aSecondNameKeepsTheOldBytes();
    void aLockIsHeldUntilItsEnd();
#ifndef Q_OS_WIN
    // Mount namespaces and file size limits are Linux's.
    void fullDiskKeepsTheOldFile();
    void fileSizeLimitKeepsTheOldFile();
    void readOnlyFolderKeepsTheOldFile();
    void aBakThatCannotBeReplacedIsNotKept();
#endif

    void copiesOverTheTarget();
    void copyFailureLeavesTheTarget_data();
    void copyFailureLeavesTheTarget();
};

void TestSaveFile::replacesTheOldFileWithEveryByte_data()
{
    QTest::addColumn<bool>("oldFileThere");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("new file") << false << NewBytes;
    QTest::newRow("over an old file") << true << NewBytes;
    QTest::newRow("empty content truncates") << true << QByteArray();
    QTest::newRow("larger than any buffer")
            << true << QByteArray(3 * 1024 * 1024 + 7, '\t').append(QByteArray("\xe9\0", 2));
}

void TestSaveFile::replacesTheOldFileWithEveryByte()
{
    QFETCH(bool, oldFileThere);
    QFETCH(QByteArray, bytes);
    QTemporaryDir tmp;
    const QString target = tmp.filePath(QStringLiteral("pedgrp.dat"));
    if (oldFileThere)
        writeFile(target, OldBytes);

    QCOMPARE(writeFileSafely(target, bytes), QString());
    QCOMPARE(readFile(target), bytes);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("pedgrp.dat")});
}

void TestSaveFile::failsWithoutTouchingWhatIsThere_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder in the place of the target") << QStringLiteral("taken");
    QTest::newRow("missing folder") << QStringLiteral("missing/pedgrp.dat");
    QTest::newRow("a file in the place of a folder") << QStringLiteral("plain/pedgrp.dat");
}

void TestSaveFile::failsWithoutTouchingWhatIsThere()
{
    QFETCH(QString, target);
    QTemporaryDir tmp;
    writeFile(tmp.filePath(QStringLiteral("taken/pedgrp.dat")), OldBytes);
    writeFile(tmp.filePath(QStringLiteral("plain")), OldBytes);
    const QStringList before
            = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QVERIFY(!writeFileSafely(tmp.filePath(target), NewBytes).isEmpty());
    QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("taken"))).isDir());
    QCOMPARE(readFile(tmp.filePath(QStringLiteral("taken/pedgrp.dat"))), OldBytes);
    QCOMPARE(readFile(tmp.filePath(QStringLiteral("plain"))), OldBytes);
    QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            before);
}

// Where the old file is replaced, a second name made for it before keeps its
// bytes; a rename over a file replaces it; a name taken is not given again.
void TestSaveFile::aSecondNameKeepsTheOldBytes()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath(QStringLiteral("pedgrp.dat"));
    const QString second = tmp.filePath(QStringLiteral("second"));
    const QString bak = tmp.filePath(QStringLiteral("pedgrp.dat.bak"));
    writeFile(file, OldBytes);
    writeFile(bak, NewBytes);

    QCOMPARE(makeHardLink(file, second), QString());
    // Both names hold the very same bytes: a write through one shows through the other.
    QFile inPlace(file);
    QVERIFY(inPlace.open(QIODevice::ReadWrite) && inPlace.write("X") == 1);
    inPlace.close();
    QCOMPARE(writeFileSafely(file, NewBytes), QString());
    QCOMPARE(renameOver(second, bak), QString());

    QCOMPARE(readFile(file), NewBytes);
    QCOMPARE(readFile(bak), "X" + OldBytes.mid(1));
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("pedgrp.dat"), QStringLiteral("pedgrp.dat.bak")}));
    QVERIFY(!makeHardLink(file, bak).isEmpty());
}

// As two windows taking the history's lock at once.
void TestSaveFile::aLockIsHeldUntilItsEnd()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("lock"));
    auto first = std::make_unique<FileLock>(path);
    QVERIFY(first->lock(0));
    FileLock second(path);
    QVERIFY(!second.lock(20));
    first.reset();
    QVERIFY(second.lock(0));
}

#ifndef Q_OS_WIN
void TestSaveFile::fullDiskKeepsTheOldFile()
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath(QStringLiteral("small"));
    QVERIFY(QDir().mkpath(folder));
    VERIFY_CHILD_REPORT(runInChild([&folder]() -> QString {
        const QString refused = enterPrivateMountNamespace();
        if (!refused.isEmpty())
            return refused;
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") != 0)
            return SkipMark + QStringLiteral("cannot mount a small tmpfs: ") + systemError(errno);
        writeFile(folder + QStringLiteral("/pedgrp.dat"), OldBytes);
        const QString error = writeFileSafely(
                folder + QStringLiteral("/pedgrp.dat"), QByteArray(512 * 1024, 'x'));
        if (error != systemError(ENOSPC))
            return QStringLiteral("reported '%1' for a full disk").arg(error);
        return checkOldFileKept(folder, error);
    }));
}

// The old file's version fits below the limit, the new file does not: the
// second name made for the old file's copy goes as well.
void TestSaveFile::fileSizeLimitKeepsTheOldFile()
{
    QTemporaryDir tmp;
    QTemporaryDir data;
    const QString folder = tmp.path();
    writeFile(folder + QStringLiteral("/pedgrp.dat"), OldBytes);
    VERIFY_CHILD_REPORT(runInChild([&folder, &data]() -> QString {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return SkipMark + QStringLiteral("cannot limit the file size: ") + systemError(errno);
        VersionHistory versions(data.path());
        const QString target = folder + QStringLiteral("/pedgrp.dat");
        const QString error = KeptCopies(versions)
                                      .replaceFile(target, target, QByteArray(64 * 1024, 'x'),
                                              VersionReason::ReplacedBySave)
                                      .error;
        if (error != systemError(EFBIG))
            return QStringLiteral("reported '%1' for a write past the size limit").arg(error);
        return checkOldFileKept(folder, error);
    }));
}

void TestSaveFile::readOnlyFolderKeepsTheOldFile()
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath(QStringLiteral("locked"));
    writeFile(folder + QStringLiteral("/pedgrp.dat"), OldBytes);
    writeFile(tmp.filePath(QStringLiteral("backup.file")), NewBytes);
    const QString backup = tmp.filePath(QStringLiteral("backup.file"));
    VersionHistory versions(tmp.filePath(QStringLiteral("versions-data")));
    VERIFY_CHILD_REPORT(runInChild([&folder, &backup, &versions]() -> QString {
        const QString refused = enterPrivateMountNamespace();
        if (!refused.isEmpty())
            return refused;
        // Permission bits do not stop root; a read-only mount does.
        const QByteArray path = QFile::encodeName(folder);
        if (mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0
                || mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                           nullptr)
                        != 0)
            return SkipMark + QStringLiteral("cannot bind-mount read-only: ") + systemError(errno);
        const QString target = folder + QStringLiteral("/pedgrp.dat");
        QString failure = checkOldFileKept(folder, writeFileSafely(target, NewBytes));
        if (failure.isEmpty())
            failure = checkOldFileKept(folder,
                    KeptCopies(versions)
                            .copyFile(
                                    backup, target, target, VersionReason::ReplacedByRestoreBackup)
                            .error);
        return failure;
    }));
}

// The .bak is a mount point, which no rename replaces: a failure found only
// once the file has been replaced. No version of the .bak is recorded, and
// the old file's is kept once.
void TestSaveFile::aBakThatCannotBeReplacedIsNotKept()
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath(QStringLiteral("data"));
    const QString target = folder + QStringLiteral("/pedgrp.dat");
    const QString mounted = tmp.filePath(QStringLiteral("mounted.bak"));
    writeFile(target, OldBytes);
    writeFile(KeptCopies::copyPath(target), QByteArray());
    writeFile(mounted, "# a copy made by hand\r\n");
    const QString data = tmp.filePath(QStringLiteral("versions-data"));
    VERIFY_CHILD_REPORT(runInChild([&]() -> QString {
        const QString refused = enterPrivateMountNamespace();
        if (!refused.isEmpty())
            return refused;
        if (mount(QFile::encodeName(mounted).constData(),
                    QFile::encodeName(KeptCopies::copyPath(target)).constData(), nullptr, MS_BIND,
                    nullptr)
                != 0)
            return SkipMark + QStringLiteral("cannot bind-mount a file: ") + systemError(errno);
        VersionHistory versions(data);
        const Replacement done = KeptCopies(versions).replaceFile(
                target, target, NewBytes, VersionReason::ReplacedBySave);
        const QString expected
                = QStringLiteral("No .bak copy was made: %1.").arg(systemError(EBUSY));
        if (!done.error.isEmpty() || done.note != expected)
            return QStringLiteral("reported '%1', noted '%2'").arg(done.error, done.note);
        QStringList kept;
        for (const KeptVersion &version : versions.versions())
            kept << QFileInfo(version.file).fileName() + u' ' + readFile(version.entryPath);
        if (kept != QStringList{QStringLiteral("pedgrp.dat ") + OldBytes})
            return QStringLiteral("kept ") + kept.join(QStringLiteral(", "));
        const QStringList left
                = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (left != QStringList{QStringLiteral("pedgrp.dat"), QStringLiteral("pedgrp.dat.bak")})
            return QStringLiteral("the folder holds ") + left.join(u' ');
        return QString();
    }));
}
#endif

void TestSaveFile::copiesOverTheTarget()
{
    QTemporaryDir tmp;
    const QString source = tmp.filePath(QStringLiteral("backup.file"));
    const QString target = tmp.filePath(QStringLiteral("game/data/pedgrp.dat"));
    writeFile(source, NewBytes);
    writeFile(target, OldBytes);

    VersionHistory versions(tmp.filePath(QStringLiteral("versions-data")));
    QCOMPARE(KeptCopies(versions)
                     .copyFile(source, target, target, VersionReason::ReplacedByRestoreBackup)
                     .error,
            QString());
    QCOMPARE(readFile(target), NewBytes);
    QCOMPARE(readFile(source), NewBytes);
    QCOMPARE(QDir(tmp.filePath(QStringLiteral("game/data"))).entryList(QDir::Files | QDir::Hidden),
            (QStringList{QStringLiteral("pedgrp.dat"), QStringLiteral("pedgrp.dat.bak")}));
}

void TestSaveFile::copyFailureLeavesTheTarget_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::newRow("source missing") << "missing.file"
                                    << "data/pedgrp.dat";
    QTest::newRow("source is a folder") << "data"
                                        << "data/pedgrp.dat";
    QTest::newRow("target folder missing") << "backup.file"
                                           << "nodata/pedgrp.dat";
    QTest::newRow("folder in the place of the target") << "backup.file"
                                                       << "data";
}

void TestSaveFile::copyFailureLeavesTheTarget()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QTemporaryDir tmp;
    writeFile(tmp.filePath(QStringLiteral("backup.file")), NewBytes);
    writeFile(tmp.filePath(QStringLiteral("data/pedgrp.dat")), OldBytes);

    VersionHistory versions(tmp.filePath(QStringLiteral("versions-data")));
    QVERIFY(!KeptCopies(versions)
                     .copyFile(tmp.filePath(source), tmp.filePath(target), target,
                             VersionReason::ReplacedByRestoreBackup)
                     .error.isEmpty());
    QCOMPARE(checkOldFileKept(tmp.filePath(QStringLiteral("data")), QStringLiteral("failed")),
            QString());
    QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("nodata"))));
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
