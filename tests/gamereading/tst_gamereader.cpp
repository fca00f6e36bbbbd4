#include "gamereading/gamereader.h"

#include <QTest>

class TestGameReader : public QObject
{
    Q_OBJECT

private slots:
    void takesNamesFromALine_data();
    void takesNamesFromALine();
    void makesGroupsOfLinesWithEightNames();
};

void TestGameReader::takesNamesFromALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("commas and TABs") << "a,\tb,\t\tc\t# Name" << QStringList{"a", "b", "c"};
    QTest::newRow("blanks without a comma") << "a  b\tc" << QStringList{"a", "b", "c"};
    QTest::newRow("CR and control characters") << QStringLiteral("a\rb\x01"
                                                                 "c")
                                               << QStringList{"a", "b", "c"};
    QTest::newRow("bytes 0x80 to 0xFF separate")
            << QString::fromLatin1("caf\xE9x\x80\xFFy") << QStringList{"caf", "x", "y"};
    QTest::newRow("a NUL ends the line")
            << QString::fromLatin1("a,b\0c,d", 7) << QStringList{"a", "b"};
    QTest::newRow("a NUL first gives nothing") << QString::fromLatin1("\0a,b", 4) << QStringList();
    QTest::newRow("empty names between commas") << ",,a,,b," << QStringList{"a", "b"};
    QTest::newRow("a name starting with # ends the line") << "a,#b,c" << QStringList{"a"};
    QTest::newRow("a # inside a name does not") << "a#b,c" << QStringList{"a#b", "c"};
    QTest::newRow("comment line") << "# a,b,c" << QStringList();
    QTest::newRow("blanks before a comment") << "  \t#a,b" << QStringList();
    QTest::newRow("blank line") << " \t " << QStringList();
}

void TestGameReader::takesNamesFromALine()
{
    QFETCH(QString, line);
    QTEST(gameLineNames(line), "names");
}

// A line longer than 1,022 characters is read 1,023 at a time; its rest
// becomes a group when it holds eight names.
void TestGameReader::makesGroupsOfLinesWithEightNames()
{
    const QString longName = QString(1023 - 18, u'n');
    const QString file = QStringLiteral("# header\r\n"
                                        "\r\n"
                                        "a,b,c,d,e,f,g\t# seven: no group\r\n"
                                        "a,b,c,d,e,f,g,h,i\t# nine: the first eight\r\n"
                                        "1 2 3 4 5 6 7 8\r\n")
            + "a,b,c,d,e,f,g,h # " + longName + "1 2 3 4 5 6 7 8\r\n" + "x,y";
    const QStringList letters{"a", "b", "c", "d", "e", "f", "g", "h"};
    const QStringList digits{"1", "2", "3", "4", "5", "6", "7", "8"};
    const QList<QStringList> expected{letters, digits, letters, digits};
    QCOMPARE(gameGroups(file), expected);
}

QTEST_GUILESS_MAIN(TestGameReader)
#include "tst_gamereader.moc"
