#include "storage/keptcopies.h"
#include "storage/versionhistory.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestVersionHistory : public QObject
{
    Q_OBJECT

private slots:
    void keepsWhatEachReplaceReplaces_data();
    void keepsWhatEachReplaceReplaces();
};

// Each of "replaces" replacements of a file that held "# version <n>" before
// it (or the same bytes each time), as a command makes it; the data folder is
// a plain file when "blocked". "nameLost" empties the file naming the versions'
// file after the first replacement, as a power cut may.
void TestVersionHistory::keepsWhatEachReplaceReplaces_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("replaces");
    QTest::addColumn<bool>("sameBytes");
    QTest::addColumn<bool>("blocked");
    QTest::addColumn<bool>("nameLost");
    QTest::addColumn<int>("kept");
    QTest::newRow("Save") << "save" << 1 << false << false << false << 1;
    QTest::newRow("Save As") << "saveas" << 1 << false << false << false << 1;
    QTest::newRow("Restore BackUp") << "restore" << 1 << false << false << false << 1;
    QTest::newRow("the same bytes twice") << "save" << 2 << true << false << false << 1;
    QTest::newRow("the newest 100") << "save" << 101 << false << false << false << 100;
    QTest::newRow("a data folder that cannot be written")
            << "save" << 1 << false << true << false << 0;
    QTest::newRow("versions whose name was lost") << "save" << 2 << false << false << true << 2;
}

void TestVersionHistory::keepsWhatEachReplaceReplaces()
{
    QFETCH(QString, how);
    QFETCH(int, replaces);
    QFETCH(bool, sameBytes);
    QFETCH(bool, blocked);
    QFETCH(bool, nameLost);
    QTemporaryDir tmp;
    const QString data = tmp.filePath(QStringLiteral("data"));
    if (blocked)
        writeFile(data, "not a folder");
    VersionHistory versions(data);
    KeptCopies kept(versions);
    const QString target = tmp.filePath(QStringLiteral("game/data/pedgrp.dat"));
    const QString source = tmp.filePath(QStringLiteral("backup.file"));
    writeFile(source, "# new\r\n");
    const VersionReason reason = how == QLatin1String("saveas") ? VersionReason::ReplacedBySaveAs
            : how == QLatin1String("restore") ? VersionReason::ReplacedByRestoreBackup
                                              : VersionReason::ReplacedBySave;
    auto before = [sameBytes](int n) {
        return "# version " + QByteArray::number(sameBytes ? 0 : n) + "\r\n";
    };

    QString error;
    for (int n = 0; n < replaces; ++n) {
        if (nameLost && n == 1) {
            const QDir folders(data + QStringLiteral("/versions"));
            writeFile(folders.filePath(folders.entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0)
                              + QStringLiteral("/file.txt")),
                    QByteArray());
            // Versions of no known file are not offered.
            QCOMPARE(versions.versions().size(), 0);
        }
        writeFile(target, before(n));
        error = how == QLatin1String("restore") ? kept.copyFile(source, target, reason)
                                                : kept.replaceFile(target, "# new\r\n", reason);
    }

    const QList<KeptVersion> list = versions.versions();
    QTEST(int(list.size()), "kept");
    if (blocked) {
        QVERIFY2(error.startsWith(
                         QStringLiteral("the old file could not be kept as an earlier version (")),
                qPrintable(error));
        QCOMPARE(readFile(target), before(0));
        QVERIFY(!QFileInfo::exists(KeptCopies::copyPath(target)));
        return;
    }
    QCOMPARE(error, QString());
    QCOMPARE(readFile(target), QByteArray("# new\r\n"));
    QCOMPARE(list.first().file, QFileInfo(target).canonicalFilePath());
    QCOMPARE(list.first().reason, reason);
    QCOMPARE(readFile(list.first().entryPath), before(replaces - 1));
    QCOMPARE(list.first().size, before(replaces - 1).size());
    QCOMPARE(readFile(list.last().entryPath), before(replaces - list.size()));
}

QTEST_GUILESS_MAIN(TestVersionHistory)
#include "tst_versionhistory.moc"
