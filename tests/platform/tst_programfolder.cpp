#include "platform/programfolder.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The program lies in "bin" of a temporary prefix.
class TestProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void findsTheShippedFiles_data();
    void findsTheShippedFiles();
};

void TestProgramFolder::findsTheShippedFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("folder");

    QTest::newRow("beside the program")
            << QStringList{"bin/readme.txt", "bin/backup.file"} << "bin";
#ifndef Q_OS_WIN
    // The Windows program keeps its files beside it; it has no installed layout.
    QTest::newRow("installed layout")
            << QStringList{"share/varnel/readme.txt", "share/varnel/backup.file"} << "share/varnel";
    QTest::newRow("beside the program wins over share") << QStringList{"bin/readme.txt",
            "bin/backup.file", "share/varnel/readme.txt", "share/varnel/backup.file"}
                                                        << "bin";
    QTest::newRow("one of them beside the program is enough")
            << QStringList{"bin/backup.file", "share/varnel/readme.txt"} << "bin";
    QTest::newRow("only the backup installed")
            << QStringList{"share/varnel/backup.file"} << "share/varnel";
#endif
    QTest::newRow("nowhere: beside the program, where failures point")
            << QStringList{"share/other/readme.txt"} << "bin";
}

void TestProgramFolder::findsTheShippedFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, folder);
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    for (const QString &file : files)
        writeFile(prefix.filePath(file), "x");

    QCOMPARE(shippedFilesFolder(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(folder));
}

QTEST_APPLESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
