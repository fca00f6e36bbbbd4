#include "storage/filestamp.h"
#include "storage/keptcopies.h"
#include "storage/savefile.h"
#include "storage/versionhistory.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray NewBytes = QByteArrayLiteral("# new\r\n");
// A time after any test run, in milliseconds: 2100-01-01.
constexpr qint64 Future = 4102444800000;

QByteArray version(int n)
{
    return "# version " + QByteArray::number(n) + "\r\n";
}

QStringList folders(const QString &path)
{
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

// The folder of the one file the history at data holds versions of.
QString versionFolder(const QString &data)
{
    const QString versions = data + QStringLiteral("/versions/");
    return versions + folders(versions).value(0);
}

// What befalls the history after the first replacement: the name of its file
// lost to a power cut; the clock set back, so that 100 versions kept before
// versions were numbered bear later times; an interrupted write that left a
// temporary file holding the next bytes, and an older one.
void befall(const QString &trouble, const QString &data, const QByteArray &nextBytes)
{
    const QDir folder(versionFolder(data));
    if (trouble == QLatin1String("name lost"))
        writeFile(folder.filePath(QStringLiteral("names.txt")), QByteArray());
    if (trouble == QLatin1String("clock set back"))
        for (int n = 0; n < VersionHistory::MaxVersions; ++n)
            writeFile(folder.filePath(QStringLiteral("%1-save").arg(Future + n)),
                    "# future " + QByteArray::number(n) + "\r\n");
    if (trouble == QLatin1String("leftover")) {
        const QString newest = folder.entryList({QStringLiteral("*-save")}).value(0);
        writeFile(folder.filePath(newest + QStringLiteral(".AbCdEf")), nextBytes);
        const QString old = folder.filePath(newest + QStringLiteral(".Old123"));
        writeFile(old, nextBytes);
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime::currentDateTime().addDays(-2),
                        QFileDevice::FileModificationTime));
    }
}

} // namespace

class TestVersionHistory : public QObject
{
    Q_OBJECT

private slots:
    void keepsWhatEachReplaceReplaces_data();
    void keepsWhatEachReplaceReplaces();
    void oneHistoryForAFileThroughALinkedFolder();
    void recoversTheEntryOfARunThatEnded_data();
    void recoversTheEntryOfARunThatEnded();
};

// Replacements of a file, as a command makes them, each over the bytes of
// "befores" in turn; "trouble" befalls the history after the first one (the
// data folder is a plain file when "blocked"). "kept" versions are left, the
// oldest holding "oldest".
void TestVersionHistory::keepsWhatEachReplaceReplaces_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArrayList>("befores");
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QByteArray>("oldest");
    QByteArrayList hundredAndOne;
    for (int n = 0; n <= VersionHistory::MaxVersions; ++n)
        hundredAndOne << version(n);
    const QByteArrayList two{version(0), version(1)};
    QTest::newRow("Save") << "save" << QByteArrayList{version(0)} << "" << 1 << version(0);
    QTest::newRow("Save As") << "saveas" << QByteArrayList{version(0)} << "" << 1 << version(0);
    QTest::newRow("Restore BackUp")
            << "restore" << QByteArrayList{version(0)} << "" << 1 << version(0);
    QTest::newRow("the same bytes as the newest version")
            << "save" << QByteArrayList{version(0), version(1), version(1)} << "" << 2
            << version(0);
    QTest::newRow("the newest 100") << "save" << hundredAndOne << "" << 100 << version(1);
    QTest::newRow("a data folder that cannot be written")
            << "save" << QByteArrayList{version(0)} << "blocked" << 0 << QByteArray();
    QTest::newRow("versions whose name was lost")
            << "save" << two << "name lost" << 2 << version(0);
    QTest::newRow("the clock set back")
            << "save" << two << "clock set back" << 100 << QByteArray("# future 2\r\n");
    QTest::newRow("temporary files left by an interrupted write")
            << "save" << two << "leftover" << 2 << version(0);
}

void TestVersionHistory::keepsWhatEachReplaceReplaces()
{
    QFETCH(QString, how);
    QFETCH(QByteArrayList, befores);
    QFETCH(QString, trouble);
    QTemporaryDir tmp;
    const QString data = tmp.filePath(QStringLiteral("data"));
    if (trouble == QLatin1String("blocked"))
        writeFile(data, "not a folder");
    VersionHistory versions(data);
    KeptCopies kept(versions);
    const QString target = tmp.filePath(QStringLiteral("game/data/pedgrp.dat"));
    const QString source = tmp.filePath(QStringLiteral("backup.file"));
    writeFile(source, NewBytes);
    const VersionReason reason = how == QLatin1String("saveas") ? VersionReason::ReplacedBySaveAs
            : how == QLatin1String("restore") ? VersionReason::ReplacedByRestoreBackup
                                              : VersionReason::ReplacedBySave;

    Replacement done;
    for (qsizetype n = 0; n < befores.size(); ++n) {
        if (n == 1) {
            befall(trouble, data, befores.at(n));
            // Versions of no known file are not offered.
            if (trouble == QLatin1String("name lost"))
                QCOMPARE(versions.versions().size(), 0);
        }
        writeFile(target, befores.at(n));
        done = how == QLatin1String("restore") ? kept.copyFile(source, target, target, reason)
                                               : kept.replaceFile(target, target, NewBytes, reason);
    }

    const QList<KeptVersion> list = versions.versions();
    QTEST(int(list.size()), "kept");
    if (trouble == QLatin1String("blocked")) {
        QVERIFY2(done.error.startsWith(
                         QStringLiteral("the old file could not be kept as an earlier version (")),
                qPrintable(done.error));
        QCOMPARE(readFile(target), befores.first());
        QVERIFY(!QFileInfo::exists(KeptCopies::copyPath(target)));
        return;
    }
    QCOMPARE(done.error, QString());
    QCOMPARE(readFile(target), NewBytes);
    // The version just kept comes first, with the time it was kept.
    QCOMPARE(list.first().file, QFileInfo(target).canonicalFilePath());
    QCOMPARE(list.first().shownPath, target);
    QCOMPARE(list.first().reason, reason);
    QCOMPARE(readFile(list.first().entryPath), befores.last());
    QCOMPARE(list.first().size, befores.last().size());
    QVERIFY(qAbs(list.first().when.secsTo(QDateTime::currentDateTime())) < 60);
    QTEST(readFile(list.last().entryPath), "oldest");
    if (trouble == QLatin1String("clock set back"))
        QCOMPARE(list.at(2).when, QDateTime::fromMSecsSinceEpoch(Future + 99));
    if (trouble == QLatin1String("leftover"))
        QCOMPARE(QDir(versionFolder(data)).entryList({QStringLiteral("*-save.*")}),
                QStringList{QFileInfo(list.last().entryPath).fileName() + ".AbCdEf"});
}

// A document let go before its file was made, through a linked folder, and the
// file's first replacement through its real folder.
void TestVersionHistory::oneHistoryForAFileThroughALinkedFolder()
{
    QTemporaryDir tmp;
    const QString real = tmp.filePath(QStringLiteral("real"));
    QVERIFY(QDir().mkpath(real));
#ifdef Q_OS_WIN
    // Names match without regard to case: the folder in capitals is the same.
    const QString linked = tmp.filePath(QStringLiteral("REAL"));
#else
    const QString linked = tmp.filePath(QStringLiteral("linked"));
    QVERIFY(QFile::link(real, linked));
#endif
    VersionHistory versions(tmp.filePath(QStringLiteral("data")));

    QCOMPARE(versions.keep(linked + QStringLiteral("/new.dat"), QStringLiteral("linked/new.dat"),
                     "# let go\r\n", VersionReason::LetGoByExit),
            QString());
    // The names are replaced whole, never rewritten in place, where a kill
    // would cut them short: a second name of the old ones keeps them.
    const QString oldNames = tmp.filePath(QStringLiteral("old names"));
    QCOMPARE(makeHardLink(versionFolder(tmp.filePath(QStringLiteral("data")))
                             + QStringLiteral("/names.txt"),
                     oldNames),
            QString());
    const QByteArray namesBefore = readFile(oldNames);
    writeFile(real + QStringLiteral("/new.dat"), "# made\r\n");
    QCOMPARE(versions.keep(real + QStringLiteral("/new.dat"), QStringLiteral("real/new.dat"),
                     "# made\r\n", VersionReason::ReplacedBySave),
            QString());

    const QList<KeptVersion> list = versions.versions();
    QCOMPARE(list.size(), 2);
    QCOMPARE(QFileInfo(list.first().entryPath).path(), QFileInfo(list.last().entryPath).path());
    for (const KeptVersion &kept : list) {
        QCOMPARE(kept.file, QFileInfo(real + QStringLiteral("/new.dat")).canonicalFilePath());
        // Named the way it was given last.
        QCOMPARE(kept.shownPath, QStringLiteral("real/new.dat"));
    }
    QCOMPARE(readFile(oldNames), namesBefore);
}

// The entry of a run that ended while editing, as it left it, with trouble;
// meanwhile another window of this very process is editing.
void TestVersionHistory::recoversTheEntryOfARunThatEnded_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a line break in the file's name") << ""
                                                     << "mods/pedgrp\nnight.dat";
    QTest::newRow("its lock left under this run's process id") << "own pid"
                                                               << "pedgrp.dat";
    QTest::newRow("a temporary file left by an interrupted write") << "leftover"
                                                                   << "pedgrp.dat";
    QTest::newRow("the entry form of earlier versions") << "old form"
                                                        << "pedgrp.dat";
}

void TestVersionHistory::recoversTheEntryOfARunThatEnded()
{
    QFETCH(QString, trouble);
    QFETCH(QString, shown);
    QTemporaryDir tmp;
    const QString data = tmp.filePath(QStringLiteral("data"));
    const QString editing = data + QStringLiteral("/editing");
    const QString ended = editing + QStringLiteral("/ended");
    const QString file = tmp.filePath(shown);
    const QByteArray unsaved = QByteArrayLiteral("# unsaved\r\n");
    if (trouble == QLatin1String("old form")) {
        writeFile(ended + QStringLiteral("/file.txt"), (file + u'\n' + shown).toUtf8());
        writeFile(ended + QStringLiteral("/bytes"), unsaved);
    } else {
        // A run's entry copied as its end would leave it: without its lock,
        // which the system frees, unless the lock file itself is left.
        VersionHistory running(data);
        QCOMPARE(running.keepWhileEditing(file, shown, unsaved), QString());
        const QDir run(editing + u'/' + folders(editing).value(0));
        QVERIFY(QDir().mkpath(ended));
        for (const QString &name : run.entryList(QDir::Files))
            if (name != QLatin1String("lock") || trouble == QLatin1String("own pid"))
                QVERIFY(QFile::copy(run.filePath(name), ended + u'/' + name));
    }
    if (trouble == QLatin1String("leftover"))
        writeFile(ended + QStringLiteral("/bytes.AbCdEf"), "# unsa");
    VersionHistory stillOpen(data);
    QCOMPARE(stillOpen.keepWhileEditing(tmp.filePath(QStringLiteral("other.dat")),
                     QStringLiteral("other.dat"), "# editing\r\n"),
            QString());

    VersionHistory starting(data);
    const QList<EndedRun> runs = starting.recoverEndedRuns();
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs.first().shownPath, shown);

    const QList<KeptVersion> list = starting.versions();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().file, realFilePath(file));
    QCOMPARE(list.first().shownPath, shown);
    QCOMPARE(list.first().reason, VersionReason::KeptWhileEditing);
    QCOMPARE(readFile(list.first().entryPath), unsaved);
    // Only the other window's entry is left.
    QCOMPARE(folders(editing).size(), 1);
}

QTEST_GUILESS_MAIN(TestVersionHistory)
#include "tst_versionhistory.moc"
