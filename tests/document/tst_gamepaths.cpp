#include "document/gamepaths.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestGamePaths : public QObject
{
    Q_OBJECT

private slots:
    void addsASeparatorOnlyWhenMissing_data();
    void addsASeparatorOnlyWhenMissing();
    void namesTheGameFileTheWayTheFolderWasTyped();
    void findsFilesWhateverTheirCase_data();
    void findsFilesWhateverTheirCase();
};

void TestGamePaths::addsASeparatorOnlyWhenMissing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("directory");
    const QString sep = QDir::separator();
    QTest::newRow("no separator") << "/games/gta3"
                                  << "/games/gta3" + sep;
    QTest::newRow("backslash counts") << "c:\\gta3\\"
                                      << "c:\\gta3\\";
    QTest::newRow("blanks are kept") << "   "
                                     << "   " + sep;
    if (sep == QLatin1String("/"))
        QTest::newRow("slash counts") << "/games/gta3/"
                                      << "/games/gta3/";
}

void TestGamePaths::addsASeparatorOnlyWhenMissing()
{
    QFETCH(QString, typed);
    QTEST(withSeparator(typed), "directory");
}

void TestGamePaths::namesTheGameFileTheWayTheFolderWasTyped()
{
    QCOMPARE(gameFilePath(QStringLiteral("c:\\gta3\\")),
            QStringLiteral("c:\\gta3\\data\\pedgrp.dat"));
    QCOMPARE(gameFilePath(QStringLiteral("/games/gta3/")),
            QStringLiteral("/games/gta3/data/pedgrp.dat"));
}

void TestGamePaths::findsFilesWhateverTheirCase_data()
{
    QTest::addColumn<QString>("onDisk");
    QTest::addColumn<QString>("typed");
    QTest::newRow("same case") << "game/data/pedgrp.dat"
                               << "game/data/pedgrp.dat";
    QTest::newRow("capitals on disk") << "Game/Data/PEDGRP.DAT"
                                      << "game/data/pedgrp.dat";
    QTest::newRow("capitals typed") << "game/data/pedgrp.dat"
                                    << "GAME/DATA/PedGrp.dat";
    QTest::newRow("backslashes typed") << "Game/Data/pedgrp.dat"
                                       << "game\\data\\pedgrp.dat";
    QTest::newRow("folder with blanks") << "Grand Theft Auto 3/data/pedgrp.dat"
                                        << "grand theft auto 3\\\\data\\pedgrp.dat";
}

void TestGamePaths::findsFilesWhateverTheirCase()
{
#ifdef Q_OS_WIN
    QSKIP("Windows finds files without regard to case itself");
#endif
    QFETCH(QString, onDisk);
    QFETCH(QString, typed);
    QTemporaryDir dir;
    writeFile(dir.filePath(onDisk), "x");
    QCOMPARE(resolvePath(dir.path() + u'/' + typed), dir.filePath(onDisk));
}

QTEST_APPLESS_MAIN(TestGamePaths)
#include "tst_gamepaths.moc"
