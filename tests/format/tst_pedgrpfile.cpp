#include "file/pedgrpfile.h"
#include "format/areawriter.h"
#include "gamereading/gamereader.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestPedgrpFile : public QObject
{
    Q_OBJECT

private slots:
    void splitsLines_data();
    void splitsLines();

    void readingAndWritingMatchesTheGoldenFile_data();
    void readingAndWritingMatchesTheGoldenFile();
    void writtenFilesReadBackToTheSameBytes();
    void theGameReadsTheSameGroupsFromTheWrittenFile_data();
    void theGameReadsTheSameGroupsFromTheWrittenFile();
    void dropsAByteOrderMarkAtTheStart_data();
    void dropsAByteOrderMarkAtTheStart();
    void stopsAtTheFirstFailingLine();

    void reportsFilesThatCannotBeRead_data();
    void reportsFilesThatCannotBeRead();

    void encodesOnlyWhatAnEightBitFileHolds();
};

void TestPedgrpFile::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR alone") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("last line without an end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\na") << QStringList{"", "", "a"};
    QTest::newRow("nothing") << QByteArray() << QStringList();
    QTest::newRow("bytes above 127 and NUL")
            << QByteArray("\xe9\0\xff", 3) << QStringList{QString::fromLatin1("\xe9\0\xff", 3)};
    QTest::newRow("a byte order mark is left to the reader")
            << QByteArray("\xef\xbb\xbf# x") << QStringList{QString::fromLatin1("\xef\xbb\xbf# x")};
}

void TestPedgrpFile::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QTEST(splitLines(bytes), "lines");
}

void TestPedgrpFile::readingAndWritingMatchesTheGoldenFile_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    // Every kind of line, with CR LF, LF and CR line ends mixed.
    QTest::newRow("mixed") << "mixed.txt"
                           << "mixed.ref";
    // Missing commas, a group line without a name, names after "#" without a
    // blank and a byte order mark, as hand-edited files have them.
    QTest::newRow("game's shape") << "gameshape.txt"
                                  << "gameshape.ref";
    // The demo game's file is already in the written layout.
    QTest::newRow("demo game") << VARNEL_SOURCE_DIR "/examples/gta3/data/pedgrp.dat"
                               << VARNEL_SOURCE_DIR "/examples/gta3/data/pedgrp.dat";
}

void TestPedgrpFile::readingAndWritingMatchesTheGoldenFile()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString dataFolder = QStringLiteral(VARNEL_TEST_DATA "/");
    const QString inPath = QDir::isAbsolutePath(input) ? input : dataFolder + input;
    const QString refPath = QDir::isAbsolutePath(expected) ? expected : dataFolder + expected;

    const ReadResult read = readPedgrpFile(inPath);
    QVERIFY2(read.ok(), qPrintable(read.error));
    const auto written = encodeLatin1(composeFile(read.table));
    QVERIFY(written);
    QCOMPARE(*written, readFile(refPath));
}

void TestPedgrpFile::writtenFilesReadBackToTheSameBytes()
{
    const ReadResult first = readPedgrpFile(QStringLiteral(VARNEL_TEST_DATA "/mixed.txt"));
    QVERIFY(first.ok());
    const QByteArray written = composeFile(first.table).toLatin1();
    const ReadResult second = readAreaTable(written);
    QVERIFY(second.ok());
    QCOMPARE(composeFile(second.table).toLatin1(), written);
    QCOMPARE(second.table.areas.at(4 - 1).areaPeds,
            QStringLiteral("b_man1,b_man2,b_man3,b_wom1,b_wom2,b_wom3,mod_man,mod_wom,const1"));
}

void TestPedgrpFile::theGameReadsTheSameGroupsFromTheWrittenFile_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("groups");
    QTest::newRow("game's shape") << VARNEL_TEST_DATA "/gameshape.txt" << 6;
    QTest::newRow("demo game") << VARNEL_SOURCE_DIR "/examples/gta3/data/pedgrp.dat" << 31;
}

void TestPedgrpFile::theGameReadsTheSameGroupsFromTheWrittenFile()
{
    QFETCH(QString, input);
    const QList<QStringList> original = gameGroups(QString::fromLatin1(readFile(input)));
    QTEST(int(original.size()), "groups");

    const ReadResult read = readPedgrpFile(input);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(gameGroups(composeFile(read.table)), original);
}

void TestPedgrpFile::dropsAByteOrderMarkAtTheStart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("list");
    const QByteArray mark("\xef\xbb\xbf");
    const QString markText = QString::fromLatin1(mark);
    QTest::newRow("before an area") << mark + "a,b # A\r\n"
                                    << "a,b";
    QTest::newRow("a second one stays") << mark + mark + "a # A\r\n" << markText + "a";
    QTest::newRow("not at the start") << "# x\r\n" + mark + "a # A\r\n" << markText + "a";
}

void TestPedgrpFile::dropsAByteOrderMarkAtTheStart()
{
    QFETCH(QByteArray, bytes);
    const ReadResult read = readAreaTable(bytes);
    QVERIFY(read.ok());
    QTEST(read.table.areas.at(1 - 1).areaPeds, "list");
}

void TestPedgrpFile::stopsAtTheFirstFailingLine()
{
    const ReadResult read = readAreaTable(
            "a,b # One\r\n" + QByteArray(32767, 'a') + "\t# Two\r\nc,d # Three\r\n");
    QVERIFY(!read.ok());
    QVERIFY2(read.error.contains(QStringLiteral("area line 2")), qPrintable(read.error));
    QCOMPARE(read.table.areas.size(), 1);
}

void TestPedgrpFile::reportsFilesThatCannotBeRead_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("error");
    // An empty error is the system's own description.
    QTest::newRow("missing") << "missing" << QString();
    QTest::newRow("empty") << "empty"
                           << "File does not exist";
    QTest::newRow("a folder in its place") << "folder" << QString();
}

void TestPedgrpFile::reportsFilesThatCannotBeRead()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pedgrp.dat"));
    if (what == QLatin1String("empty"))
        writeFile(path, QByteArray());
    else if (what == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    QFETCH(QString, error);
    const ReadResult read = readPedgrpFile(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.error, error.isEmpty() ? openError(path) : error);
}

void TestPedgrpFile::encodesOnlyWhatAnEightBitFileHolds()
{
    QCOMPARE(
            encodeLatin1(QString::fromLatin1("a\xe9\xff")), std::optional(QByteArray("a\xe9\xff")));
    QCOMPARE(encodeLatin1(QStringLiteral("a\u0100")), std::nullopt);
    QCOMPARE(encodeLatin1(QStringLiteral("\u20ac")), std::nullopt);
}

QTEST_APPLESS_MAIN(TestPedgrpFile)
#include "tst_pedgrpfile.moc"
