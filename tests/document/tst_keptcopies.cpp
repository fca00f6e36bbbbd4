#include "document/keptcopies.h"
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

    void firstReplacementKeepsTheFileAsItWas_data();
    void firstReplacementKeepsTheFileAsItWas();
    void bytesGivenByTheCallerAreTheOnesKept();
    void twoSpellingsOfOneFileKeepOneCopy();
    void aFileMadeInThisRunGetsNoCopy();
    void copyThatCannotBeMadeLeavesTheFile_data();
    void copyThatCannotBeMadeLeavesTheFile();

private:
    // One replacement as Save (replaceFile) or Restore BackUp (copyFile) makes it.
    QString replace(const QString &how, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_data;
    QString m_target;
    KeptCopies m_kept;
};

void TestKeptCopies::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_data = m_tmp->filePath(QStringLiteral("game/data"));
    QVERIFY(QDir().mkpath(m_data));
    m_target = m_data + QStringLiteral("/pedgrp.dat");
    m_kept = KeptCopies();
}

QString TestKeptCopies::replace(const QString &how, const QByteArray &bytes)
{
    if (how == QLatin1String("restore")) {
        const QString backup = m_tmp->filePath(QStringLiteral("backup.file"));
        writeFile(backup, bytes);
        return m_kept.copyFile(backup, m_target);
    }
    return m_kept.replaceFile(m_target, bytes);
}

void TestKeptCopies::firstReplacementKeepsTheFileAsItWas_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("oldCopyThere");
    QTest::newRow("save") << "save" << false;
    QTest::newRow("restore") << "restore" << false;
    QTest::newRow("a copy from an earlier run is replaced") << "save" << true;
}

void TestKeptCopies::firstReplacementKeepsTheFileAsItWas()
{
    QFETCH(QString, how);
    QFETCH(bool, oldCopyThere);
    const QString copy = m_target + QStringLiteral(".bak");
    QCOMPARE(KeptCopies::copyPath(m_target), copy);
    writeFile(m_target, Before);
    if (oldCopyThere)
        writeFile(copy, "# an earlier run\r\n");

    QCOMPARE(replace(how, First), QString());
    QCOMPARE(readFile(m_target), First);
    QCOMPARE(readFile(copy), Before);

    QCOMPARE(replace(how, Second), QString());
    QCOMPARE(readFile(m_target), Second);
    QCOMPARE(readFile(copy), Before);
    QCOMPARE(entries(m_data), (QStringList{"pedgrp.dat", "pedgrp.dat.bak"}));
}

void TestKeptCopies::bytesGivenByTheCallerAreTheOnesKept()
{
    writeFile(m_target, Before);
    const QByteArray checked = QByteArrayLiteral("# as the check read it\r\n");
    QCOMPARE(m_kept.replaceFile(m_target, First, &checked), QString());
    QCOMPARE(readFile(m_target + QStringLiteral(".bak")), checked);
}

void TestKeptCopies::twoSpellingsOfOneFileKeepOneCopy()
{
    writeFile(m_target, Before);
    QCOMPARE(m_kept.replaceFile(m_target, First), QString());
    const QString link = m_tmp->filePath(QStringLiteral("link.dat"));
    QVERIFY(QFile::link(m_target, link));

    QCOMPARE(m_kept.replaceFile(m_data + QStringLiteral("/../data/./pedgrp.dat"), Second),
            QString());
    QCOMPARE(m_kept.replaceFile(link, Second), QString());
    QCOMPARE(readFile(m_target + QStringLiteral(".bak")), Before);
    QCOMPARE(entries(m_data), (QStringList{"pedgrp.dat", "pedgrp.dat.bak"}));
    QVERIFY(!QFileInfo::exists(link + QStringLiteral(".bak")));
}

void TestKeptCopies::aFileMadeInThisRunGetsNoCopy()
{
    QCOMPARE(m_kept.replaceFile(m_target, First), QString());
    QCOMPARE(m_kept.replaceFile(m_target, Second), QString());
    QCOMPARE(readFile(m_target), Second);
    QCOMPARE(entries(m_data), QStringList{"pedgrp.dat"});
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
    const QString copy = KeptCopies::copyPath(m_target);
    QVERIFY(QDir().mkpath(copy));

    const QString error = replace(how, First);
    QVERIFY2(error.startsWith(
                     QStringLiteral("the old file could not be kept as 'pedgrp.dat.bak' (")),
            qPrintable(error));
    QCOMPARE(readFile(m_target), Before);
    QVERIFY(QFileInfo(copy).isDir());
    QCOMPARE(entries(m_data), (QStringList{"pedgrp.dat", "pedgrp.dat.bak"}));

    // Nothing was replaced, so the copy is still due once it can be made.
    QVERIFY(QDir(copy).removeRecursively());
    QCOMPARE(replace(how, First), QString());
    QCOMPARE(readFile(copy), Before);
    QCOMPARE(readFile(m_target), First);
}

QTEST_GUILESS_MAIN(TestKeptCopies)
#include "tst_keptcopies.moc"
