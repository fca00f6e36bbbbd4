#include "storage/keptcopies.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

const QByteArray Before = QByteArrayLiteral("# before this run\r\n");
const QByteArray First = QByteArrayLiteral("# first save\r\n");
const QByteArray Second = QByteArrayLiteral("# second save\r\n");
const QByteArray HandMade = QByteArrayLiteral("# a copy made by hand\r\n");

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
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

private:
    // One replacement of target as Save (replaceFile) or Restore BackUp
    // (copyFile) makes it.
    QString replace(const QString &how, const QByteArray &bytes, const QString &target);

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

QString TestKeptCopies::replace(const QString &how, const QByteArray &bytes, const QString &target)
{
    if (how == QLatin1String("restore")) {
        const QString backup = m_tmp->filePath(QStringLiteral("backup.file"));
        writeFile(backup, bytes);
        return m_kept->copyFile(backup, target, VersionReason::ReplacedByRestoreBackup);
    }
    return m_kept->replaceFile(target, bytes, VersionReason::ReplacedBySave);
}

// The file there before the run (none when null), a copy left by an earlier
// run, and what the copy holds after two replacements, the second through
// another spelling of the path (no copy when null).
void TestKeptCopies::keepsTheFileAsItWasBeforeTheRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("earlierCopy");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("save") << "save" << Before << false << Before;
    QTest::newRow("restore") << "restore" << Before << false << Before;
    QTest::newRow("a copy from an earlier run is replaced") << "save" << Before << true << Before;
    QTest::newRow("a file made in this run gets no copy")
            << "save" << QByteArray() << false << QByteArray();
}

void TestKeptCopies::keepsTheFileAsItWasBeforeTheRun()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, before);
    QFETCH(bool, earlierCopy);
    QFETCH(QByteArray, kept);
    if (!before.isNull())
        writeFile(m_target, before);
    if (earlierCopy)
        writeFile(m_copy, "# an earlier run\r\n");

    QCOMPARE(replace(how, First, m_target), QString());
    QCOMPARE(replace(how, Second, m_link), QString());
    QCOMPARE(readFile(m_target), Second);
    QCOMPARE(readFile(m_copy), kept);
    QCOMPARE(entries(m_data).size(), kept.isNull() ? 1 : 2);
#ifndef Q_OS_WIN
    QVERIFY(!QFileInfo::exists(m_link + QStringLiteral(".bak")));
#endif
    // Both spellings keep their versions in one history.
    QSet<QString> files;
    for (const KeptVersion &version : m_versions->versions())
        if (version.reason != VersionReason::ReplacedByBakCopy)
            files.insert(version.file);
    QCOMPARE(files.size(), 1);
}

// What lies at <file>.bak before the first Save: a copy made by hand is kept as
// a version first; a link or something other than a file is left alone and no
// copy is made, while the file's own version is kept all the same.
void TestKeptCopies::bakRules_data()
{
    QTest::addColumn<QString>("bak");
    QTest::addColumn<bool>("copyMade");
    QTest::newRow("a file made by hand") << "file" << true;
    QTest::newRow("a folder") << "folder" << false;
#ifndef Q_OS_WIN
    QTest::newRow("a link to a file elsewhere") << "link" << false;
    QTest::newRow("a dangling link") << "dangling" << false;
    QTest::newRow("a named pipe") << "pipe" << false;
#endif
}

void TestKeptCopies::bakRules()
{
    QFETCH(QString, bak);
    QFETCH(bool, copyMade);
    writeFile(m_target, Before);
    const QString elsewhere = m_tmp->filePath(QStringLiteral("elsewhere.txt"));
    if (bak == QLatin1String("file"))
        writeFile(m_copy, HandMade);
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

    QCOMPARE(replace(QStringLiteral("save"), First, m_target), QString());

    QCOMPARE(readFile(m_target), First);
    QStringList kept;
    for (const KeptVersion &version : m_versions->versions())
        kept << QFileInfo(version.file).fileName() + u' ' + readFile(version.entryPath);
    QStringList expected{QStringLiteral("pedgrp.dat ") + Before};
    if (bak == QLatin1String("file"))
        expected << QStringLiteral("pedgrp.dat.bak ") + HandMade;
    kept.sort();
    QCOMPARE(kept, expected);
    QCOMPARE(QFileInfo(m_copy).isFile() && !QFileInfo(m_copy).isSymLink(), copyMade);
    if (copyMade)
        QCOMPARE(readFile(m_copy), Before);
    QCOMPARE(QFileInfo::exists(elsewhere), bak == QLatin1String("link"));
    if (bak == QLatin1String("link"))
        QCOMPARE(readFile(elsewhere), HandMade);
}

QTEST_GUILESS_MAIN(TestKeptCopies)
#include "tst_keptcopies.moc"
