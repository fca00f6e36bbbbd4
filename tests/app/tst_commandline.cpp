#include "app/commandline.h"

#include <QTest>

// Runs without an application object, as the program reads its command line
// before it makes one.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void startsTheWindowWithThePathGiven_data();
    void startsTheWindowWithThePathGiven();
    void printsAndExits_data();
    void printsAndExits();
    void listsThePathAndTheLanguageInTheHelp();
    void takesTheLanguageOfTheRun();
};

void TestCommandLine::startsTheWindowWithThePathGiven_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("gamePath");
    QTest::newRow("nothing to load") << QStringList{"varnel"} << "";
    QTest::newRow("a path kept as given, blanks and all, whether it exists or not")
            << QStringList{"varnel", "c:\\program files\\rockstar games\\gtaiii\\ "}
            << "c:\\program files\\rockstar games\\gtaiii\\ ";
    QTest::newRow("a name like an option after --")
            << QStringList{"varnel", "--", "-gta3"} << "-gta3";
    QTest::newRow("no program name") << QStringList() << "";
}

void TestCommandLine::startsTheWindowWithThePathGiven()
{
    QFETCH(QStringList, arguments);
    const CommandLine commandLine = parseCommandLine(arguments);
    QVERIFY(commandLine.startWindow);
    QTEST(commandLine.gamePath, "gamePath");
    QCOMPARE(commandLine.message, QString());
}

void TestCommandLine::printsAndExits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("messageIsError");
    QTest::addColumn<QString>("messageStart");

    const QString usage = QStringLiteral("Usage: varnel [options] [path]\n");
    const QString version = QStringLiteral("Varnel " VARNEL_PROJECT_VERSION "\n");
    QTest::newRow("--version") << QStringList{"varnel", "--version"} << 0 << false << version;
    QTest::newRow("-v") << QStringList{"varnel", "-v"} << 0 << false << version;
    QTest::newRow("--help names the program as it was started") << QStringList{
            "/usr/bin/varnel", "--help"} << 0 << false << usage + "Edits the pedestrian groups";
    QTest::newRow("-h with a path")
            << QStringList{"varnel", "-h", "/games/gta3"} << 0 << false << usage;
    QTest::newRow("unknown option") << QStringList{"varnel", "--bogus"} << 2 << true
                                    << "varnel: Unknown option 'bogus'.\n\n" + usage;
    QTest::newRow("unknown option beside --help") << QStringList{
            "varnel", "--help", "-x"} << 2 << true << "varnel: Unknown option 'x'.\n\n" + usage;
    QTest::newRow("two paths") << QStringList{"varnel", "/games/gta3", "/games/vc"} << 2 << true
                               << "varnel: Give one game folder or file, not 2.\n\n" + usage;
    QTest::newRow("unknown language")
            << QStringList{"varnel", "--language", "pt", "--help"} << 2 << true
            << "varnel: Unknown language 'pt'; give one of en, de, fr, it, es, ru, pl, pt_BR.\n\n"
                    + usage;
}

void TestCommandLine::printsAndExits()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, messageStart);
    const CommandLine commandLine = parseCommandLine(arguments);
    QVERIFY(!commandLine.startWindow);
    QTEST(commandLine.exitCode, "exitCode");
    QTEST(commandLine.messageIsError, "messageIsError");
    QVERIFY2(commandLine.message.startsWith(messageStart), qPrintable(commandLine.message));
    QCOMPARE(commandLine.gamePath, QString());
}

void TestCommandLine::listsThePathAndTheLanguageInTheHelp()
{
    const QString help = parseCommandLine({"varnel", "--help"}).message;
    QVERIFY(help.contains("\n  path "));
    QVERIFY(help.contains("\n  --language <code>  Uses this language for this run: en, de,"));
}

// Also beside --help and an error, which speak it.
void TestCommandLine::takesTheLanguageOfTheRun()
{
    QCOMPARE(parseCommandLine({"varnel", "--language", "pt_BR", "/games/gta3"}).language, "pt_BR");
    QCOMPARE(parseCommandLine({"varnel", "--language=de", "--help"}).language, "de");
    QCOMPARE(parseCommandLine({"varnel", "--language", "ru", "--bogus"}).language, "ru");
    QCOMPARE(parseCommandLine({"varnel", "/games/gta3"}).language, QString());
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
