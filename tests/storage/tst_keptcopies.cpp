#include "storage/keptcopies.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray Before = QByteArrayLiteral("# before this run\r\n");
const QByteArray First = QByteArrayLiteral("# first save\r\n");
const QByteArray Second = QByteArrayLiteral("# second save\r\n");
const QByteArray Checked = QByteArrayLiteral("# as the check read it\r\n");

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
    void copyThatCannotBeMadeLeavesTheFile_data();
    void copyThatCannotBeMadeLeavesTheFile();

private:
    // One replacement of target as Save (replaceFile, with the bytes its check
    // read when "checked") or Restore BackUp (copyFile) makes it.
    QString replace(const QString &how, const QByteArray &bytes, const QString &target);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_data;
    QString m_target;
    QString m_copy;
    // Another spelling of the target: a link to it, or on Windows, where names
    // match without regard to case, its path in capitals.
    QString m_link;
    KeptCopies m_kept;
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
    m_kept = KeptCopies();
}

QString TestKeptCopies::replace(const QString &how, const QByteArray &bytes, const QString &target)
{
    if (how == QLatin1String("restore")) {
        const QString backup = m_tmp->filePath(QStringLiteral("backup.file"));
        writeFile(backup, bytes);
        return m_kept.copyFile(backup, target);
    }
    return m_kept.replaceFile(target, bytes, how == QLatin1String("checked") ? &Checked : nullptr);
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
    QTest::newRow("the bytes the check read are kept") << "checked" << Before << false << Checked;
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
}

void TestKeptCopies::copyThatCannotBeMadeLeavesTheFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("save") << "save";
    QTest::newRow("restore") << "restore";
}

void TestKeptCopies::copyThatCannotBeMadeLeavesTheFile()
{
    QFETCH(QString, how);
    writeFile(m_target, Before);
    // A folder in the place of the copy stops its writing, for root too.
    QVERIFY(QDir().mkpath(m_copy));

    const QString error = replace(how, First, m_target);
    QVERIFY2(error.startsWith(
                     QStringLiteral("the old file could not be kept as 'pedgrp.dat.bak' (")),
            qPrintable(error));
    QCOMPARE(readFile(m_target), Before);
    QCOMPARE(entries(m_data), (QStringList{"pedgrp.dat", "pedgrp.dat.bak"}));

    // Nothing was replaced, so the copy is still due once it can be made.
    QVERIFY(QDir(m_copy).removeRecursively());
    QCOMPARE(replace(how, First, m_target), QString());
    QCOMPARE(readFile(m_copy), Before);
}

QTEST_GUILESS_MAIN(TestKeptCopies)
#include "tst_keptcopies.moc"
