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
    void authorsSiteOpensTheAddressAndIgnoresFailure();
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

void TestHelpCommands::authorsSiteOpensTheAddressAndIgnoresFailure()
{
    FakePlatform fake;
    fake.launcher.succeed = false;

    authorsSiteCommand(fake.platform());

    QCOMPARE(fake.launcher.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.varnel.example"))});
    QVERIFY(fake.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
