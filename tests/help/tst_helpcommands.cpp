#include "help/helpcommands.h"
#include "support/fakeplatform.h"

#include <QDir>
#include <QTest>

class TestHelpCommands : public QObject
{
    Q_OBJECT

private slots:
    void readmeReachesTheLauncherAsOnePath();
    void readmeSaysWhenNoEditorStarts();
    void quickInfoShowsTheProgramAndItsAuthor();
    void authorsSiteOpensTheAddressOrSaysItCannot_data();
    void authorsSiteOpensTheAddressOrSaysItCannot();
};

void TestHelpCommands::readmeReachesTheLauncherAsOnePath()
{
    FakePlatform fake;
    fake.shippedFilesFolder = QStringLiteral("/home/me/Program Files; & $(echo x)/Varnel");

    readmeCommand(fake.platform());

    QCOMPARE(fake.launcher.files, QStringList{fake.shippedFilesFolder + "/readme.txt"});
    QVERIFY(fake.dialogs.messages.isEmpty());
}

void TestHelpCommands::readmeSaysWhenNoEditorStarts()
{
    FakePlatform fake;
    fake.shippedFilesFolder = QStringLiteral("/opt/my varnel");
    fake.launcher.succeed = false;

    readmeCommand(fake.platform());

    QCOMPARE(fake.dialogs.messages.size(), 1);
    const ShownMessage shown = fake.dialogs.messages[0];
    QVERIFY(shown.text.contains(QStringLiteral("could not be opened")));
    QVERIFY(shown.text.contains(QDir::toNativeSeparators("/opt/my varnel/readme.txt")));
    QCOMPARE(shown.icon, MessageIcon::Warning);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
}

void TestHelpCommands::quickInfoShowsTheProgramAndItsAuthor()
{
    FakePlatform fake;

    quickInfoCommand(fake.platform());

    const ShownMessage info{QStringLiteral("Varnel V1.0 By ''Oskin''.\r\n\r\n"
                                           "View the readme file for more information."),
            QStringLiteral("Quick Info"), MessageIcon::Information, MessageButtons::Ok};
    QCOMPARE(fake.dialogs.messages, QList{info});
}

void TestHelpCommands::authorsSiteOpensTheAddressOrSaysItCannot_data()
{
    QTest::addColumn<bool>("browserStarts");
    QTest::newRow("browser starts") << true;
    QTest::newRow("no browser") << false;
}

void TestHelpCommands::authorsSiteOpensTheAddressOrSaysItCannot()
{
    QFETCH(bool, browserStarts);
    FakePlatform fake;
    fake.launcher.succeed = browserStarts;

    authorsSiteCommand(fake.platform());

    QCOMPARE(fake.launcher.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.varnel.example"))});
    const ShownMessage warning{
            QStringLiteral("The author's site could not be opened:\r\nhttp://www.varnel.example"),
            QStringLiteral("Author's Site"), MessageIcon::Warning, MessageButtons::Ok};
    QCOMPARE(fake.dialogs.messages, browserStarts ? QList<ShownMessage>() : QList{warning});
}

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
