#include "storage/keptcopies.h"
#include "storage/savefile.h"
#include "support/testfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

const QByteArray Before = QByteArrayLiteral("# before this run\r\n");
const QByteArray First = QByteArrayLiteral("# first save\r\n");
const QByteArray Second = QByteArrayLiteral("# second save\r\n");
const QByteArray HandMade = QByteArrayLiteral("# a copy made by hand\r\n");
const QByteArray OverSixteenMiB = QByteArray(KeptCopies::MaxKeptSize + 1, '#');

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

class TestKeptCopies : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void keepsTheFileAsItWasBeforeTheRun_data();
    void keepsTheFileAsItWasBeforeTheRun();
    void bakRules_data();
    void bakRules();
    void besideTheFileMidSave_data();
    void besideTheFileMidSave();

private:
    // One replacement of target as Save (replaceFile) or Restore BackUp
    // (copyFile) makes it; the target names itself in messages.
    Replacement replace(const QString &how, const QByteArray &bytes, const QString &target);
    // Saves the target on a thread of its own while the test holds the
    // history's lock, and returns what lay beside the target while the Save
    // waited for it to keep the old file's version.
    QStringList saveWithAPause(Replacement &done);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_data;
    QString m_target;
    QString m_copy;
    // Another spelling of the target: a link to it, or on Windows, where names
    // match without regard to case, its path in capitals.
    QString m_link;
    std::unique_ptr<VersionHistory> m_versions;
    std::unique_ptr<KeptCopies> m_kept;
};

void TestKeptCopies::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_data = m_tmp->filePath(QStringLiteral("game/data"));
    QVERIFY(QDir().mkpath(m_data));
    m_target = m_data + QStringLiteral("/pedgrp.dat");
    m_copy = m_target + QStringLiteral(".bak");
#ifdef Q_OS_WIN
    m_link = m_target.toUpper();
#else
    m_link = m_tmp->filePath(QStringLiteral("link.dat"));
    QVERIFY(QFile::link(m_target, m_link));
#endif
    m_versions = std::make_unique<VersionHistory>(m_tmp->filePath(QStringLiteral("versions-data")));
    m_kept = std::make_unique<KeptCopies>(*m_versions);
}

Replacement TestKeptCopies::replace(
        const QString &how, const QByteArray &bytes, const QString &target)
{
    if (how == QLatin1String("restore")) {
        const QString backup = m_tmp->filePath(QStringLiteral("backup.file"));
        writeFile(backup, bytes);
        return m_kept->copyFile(backup, target, target, VersionReason::ReplacedByRestoreBackup);
    }
    return m_kept->replaceFile(target, target, bytes, VersionReason::ReplacedBySave);
}

// The file there before the run (none when null), a copy left by an earlier
// run, what the copy holds after two replacements, the second through another
// spelling of the path (no copy when null), the versions of the file kept by
// then, newest first, and what the first replacement says it did not keep.
void TestKeptCopies::keepsTheFileAsItWasBeforeTheRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("earlierCopy");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QByteArrayList>("versions");
    QTest::addColumn<QString>("note");
    QTest::newRow("save") << "save" << Before << false << Before << QByteArrayList{First, Before}
                          << QString();
    QTest::newRow("restore") << "restore" << Before << false << Before
                             << QByteArrayList{First, Before} << QString();
    QTest::newRow("a copy from an earlier run is replaced")
            << "save" << Before << true << Before << QByteArrayList{First, Before} << QString();
    QTest::newRow("a file made in this run gets no copy")
            << "save" << QByteArray() << false << QByteArray() << QByteArrayList{First}
            << QString();
    QTest::newRow("a file over 16 MiB is kept neither way")
            << "restore" << OverSixteenMiB << false << QByteArray() << QByteArrayList{First}
            << "'<target>' was larger than 16 MiB and was not kept.";
}

void TestKeptCopies::keepsTheFileAsItWasBeforeTheRun()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, before);
    QFETCH(bool, earlierCopy);
    QFETCH(QByteArray, kept);
    QFETCH(QByteArrayList, versions);
    QFETCH(QString, note);
    if (!before.isNull())
        writeFile(m_target, before);
    if (earlierCopy)
        writeFile(m_copy, "# an earlier run\r\n");

    const Replacement first = replace(how, First, m_target);
    QCOMPARE(first.error, QString());
    QCOMPARE(first.note, note.replace(QLatin1String("<target>"), m_target));
    QCOMPARE(replace(how, Second, m_link).error, QString());
    QCOMPARE(readFile(m_target), Second);
    QCOMPARE(readFile(m_copy), kept);
    // Nothing else is left beside the file: no second name made for the copy.
    QCOMPARE(entries(m_data).size(), kept.isNull() ? 1 : 2);
#ifndef Q_OS_WIN
    QVERIFY(!QFileInfo::exists(m_link + QStringLiteral(".bak")));
#endif
    // Both spellings keep their versions in one history.
    QSet<QString> files;
    QByteArrayList held;
    for (const KeptVersion &version : m_versions->versions()) {
        if (version.reason == VersionReason::ReplacedByBakCopy)
            continue;
        files.insert(version.file);
        held << readFile(version.entryPath);
    }
    QCOMPARE(files.size(), 1);
    QCOMPARE(held, versions);
}

// What lies at <file>.bak before the first Save: a copy made by hand is kept as
// a version first; a link or something other than a file is left alone and no
// copy is made, which the Save says, while the file's own version is kept all
// the same. A copy marked read-only is not replaced either. Afterwards the
// copy holds copyHolds (null: no regular file is there).
void TestKeptCopies::bakRules_data()
{
    QTest::addColumn<QString>("bak");
    QTest::addColumn<QByteArray>("copyHolds");
    QTest::addColumn<QString>("note");
    QTest::newRow("a file made by hand") << "file" << Before << QString();
    QTest::newRow("a read-only file made by hand")
            << "read-only" << HandMade << "No .bak copy was made: 'pedgrp.dat.bak' is read-only.";
    const QString notRegular
            = QStringLiteral("No .bak copy was made: 'pedgrp.dat.bak' is not a regular file.");
    QTest::newRow("a folder") << "folder" << QByteArray() << notRegular;
#ifndef Q_OS_WIN
    QTest::newRow("a link to a file elsewhere") << "link" << QByteArray() << notRegular;
    QTest::newRow("a dangling link") << "dangling" << QByteArray() << notRegular;
    QTest::newRow("a named pipe") << "pipe" << QByteArray() << notRegular;
#endif
}

void TestKeptCopies::bakRules()
{
    QFETCH(QString, bak);
    QFETCH(QByteArray, copyHolds);
    QFETCH(QString, note);
    writeFile(m_target, Before);
    const QString elsewhere = m_tmp->filePath(QStringLiteral("elsewhere.txt"));
    if (bak == QLatin1String("file") || bak == QLatin1String("read-only"))
        writeFile(m_copy, HandMade);
    if (bak == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(m_copy, QFile::ReadOwner | QFile::ReadUser));
    if (bak == QLatin1String("link"))
        writeFile(elsewhere, HandMade);
    if (bak == QLatin1String("link") || bak == QLatin1String("dangling"))
        QVERIFY(QFile::link(elsewhere, m_copy));
    if (bak == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(m_copy));
#ifndef Q_OS_WIN
    if (bak == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(m_copy).constData(), 0600), 0);
#endif

    const Replacement done = replace(QStringLiteral("save"), First, m_target);

    QCOMPARE(done.error, QString());
    QCOMPARE(done.note, note);
    QCOMPARE(readFile(m_target), First);
    QStringList kept;
    for (const KeptVersion &version : m_versions->versions())
        kept << QFileInfo(version.file).fileName() + u' ' + readFile(version.entryPath);
    QStringList expected{QStringLiteral("pedgrp.dat ") + Before};
    if (bak == QLatin1String("file"))
        expected << QStringLiteral("pedgrp.dat.bak ") + HandMade;
    kept.sort();
    QCOMPARE(kept, expected);
    const bool regular = QFileInfo(m_copy).isFile() && !QFileInfo(m_copy).isSymLink();
    QCOMPARE(regular ? readFile(m_copy) : QByteArray(), copyHolds);
    QCOMPARE(entries(m_data).size(), 2);
    QCOMPARE(QFileInfo::exists(elsewhere), bak == QLatin1String("link"));
    if (bak == QLatin1String("link"))
        QCOMPARE(readFile(elsewhere), HandMade);
}

QStringList TestKeptCopies::saveWithAPause(Replacement &done)
{
    const QString history = m_tmp->filePath(QStringLiteral("versions-data/versions"));
    QDir().mkpath(history);
    auto held = std::make_unique<FileLock>(history + QStringLiteral("/lock"));
    if (!held->lock(0))
        return {QStringLiteral("the history's lock was not taken")};
    std::unique_ptr<QThread> save(
            QThread::create([&] { done = replace(QStringLiteral("save"), First, m_target); }));
    save->start();
    // The Save makes the folder of the file's versions right before it waits.
    const QDeadlineTimer deadline(4000);
    while (QDir(history).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty()
            && !deadline.hasExpired())
        QThread::msleep(1);
    QStringList beside = entries(m_data);
    held.reset();
    save->wait();
    for (QString &name : beside)
        if (name.startsWith(QLatin1String("pedgrp.dat.bak.")))
            name = QStringLiteral("pedgrp.dat.bak.<temporary>");
    return beside;
}

// What lies beside the file while the first Save keeps the old file's version,
// before the file is replaced; what the copy then holds and what the Save
// says. The .bak is never a second name of the file in use, nor of a file
// shared with another place (a mod manager's store, which may write it in
// place), and none is made that would be removed again.
void TestKeptCopies::besideTheFileMidSave_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("midSave");
    QTest::addColumn<QByteArray>("copyHolds");
    QTest::addColumn<QString>("note");
    QTest::newRow("no .bak yet: its second name is a temporary one")
            << "" << QStringList{"pedgrp.dat", "pedgrp.dat.bak.<temporary>"} << Before << QString();
    QTest::newRow("a .bak over 16 MiB: no second name")
            << "large" << QStringList{"pedgrp.dat", "pedgrp.dat.bak"} << OverSixteenMiB
            << "No .bak copy was made: '<target>.bak' was larger than 16 MiB and was not kept.";
    QTest::newRow("the old file named in a mod store too: a copy")
            << "shared" << QStringList{"pedgrp.dat"} << Before << QString();
}

void TestKeptCopies::besideTheFileMidSave()
{
    QFETCH(QString, before);
    QFETCH(QByteArray, copyHolds);
    QFETCH(QString, note);
    writeFile(m_target, Before);
    if (before == QLatin1String("large"))
        writeFile(m_copy, OverSixteenMiB);
    const QString store = m_tmp->filePath(QStringLiteral("store/pedgrp.dat"));
    if (before == QLatin1String("shared")) {
        QVERIFY(QDir().mkpath(QFileInfo(store).path()));
        QCOMPARE(makeHardLink(m_target, store), QString());
    }

    Replacement done;
    QTEST(saveWithAPause(done), "midSave");
    QCOMPARE(done.error, QString());
    QCOMPARE(done.note, note.replace(QLatin1String("<target>"), m_target));
    QCOMPARE(entries(m_data), (QStringList{"pedgrp.dat", "pedgrp.dat.bak"}));
    if (before == QLatin1String("shared")) {
        QFile inPlace(store);
        QVERIFY(inPlace.open(QIODevice::ReadWrite) && inPlace.write("X") == 1);
        inPlace.close();
    }
    QCOMPARE(readFile(m_copy), copyHolds);
}

QTEST_GUILESS_MAIN(TestKeptCopies)
#include "tst_keptcopies.moc"
