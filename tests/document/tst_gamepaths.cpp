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
    void takesOnlyFoldersWhereThePathGoesOn_data();
    void takesOnlyFoldersWhereThePathGoesOn();
    void startsAtTheHomeFolder_data();
    void startsAtTheHomeFolder();
    void locatesWhatTheLoadAnswerNames_data();
    void locatesWhatTheLoadAnswerNames();
    void findsTheGameFolderAboveData_data();
    void findsTheGameFolderAboveData();
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

// A name that exists only in other capitals, and as a file, must not hide the
// folder the path goes on in.
void TestGamePaths::takesOnlyFoldersWhereThePathGoesOn_data()
{
    QTest::addColumn<QStringList>("onDisk");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("file DATA beside folder Data")
            << QStringList{"game/DATA", "game/Data/pedgrp.dat"} << "game/data/pedgrp.dat"
            << "game/Data/pedgrp.dat";
    QTest::newRow("file typed exactly, folder in other capitals")
            << QStringList{"game/DATA", "game/Data/pedgrp.dat"} << "game/DATA/pedgrp.dat"
            << "game/Data/pedgrp.dat";
    QTest::newRow("the last part may be a file")
            << QStringList{"game/data/PEDGRP.DAT"} << "game/data/pedgrp.dat"
            << "game/data/PEDGRP.DAT";
    QTest::newRow("a final separator asks for a folder")
            << QStringList{"GAME", "Game/data/pedgrp.dat"} << "game/"
            << "Game";
}

void TestGamePaths::takesOnlyFoldersWhereThePathGoesOn()
{
#ifdef Q_OS_WIN
    QSKIP("Windows finds files without regard to case itself");
#endif
    QFETCH(QStringList, onDisk);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    QTemporaryDir dir;
    for (const QString &file : onDisk)
        writeFile(dir.filePath(file), "x");
    QCOMPARE(resolvePath(dir.path() + u'/' + typed), dir.filePath(found));
}

void TestGamePaths::startsAtTheHomeFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("home alone") << "~"
                                << "<home>";
    QTest::newRow("below home, other capitals") << "~/games/GTA3/data/pedgrp.dat"
                                                << "<home>/games/gta3/data/pedgrp.dat";
    QTest::newRow("backslash after ~") << "~\\\\games\\gta3"
                                       << "<home>/games/gta3";
    QTest::newRow("another user's home is not expanded") << "~games"
                                                         << "~games";
    QTest::newRow("~ inside a path is a name") << "<root>/~/x"
                                               << "<root>/~/x";
    QTest::newRow("a Windows path after ~ is a name") << "~/c:/gta3"
                                                      << "<home>/c:/gta3";
}

void TestGamePaths::startsAtTheHomeFolder()
{
#ifdef Q_OS_WIN
    QSKIP("~ is a shell's way of writing the home folder, not Windows'");
#endif
    QFETCH(QString, typed);
    QFETCH(QString, found);
    QTemporaryDir root;
    const QString home = root.filePath(QStringLiteral("home"));
    writeFile(home + QStringLiteral("/games/gta3/data/pedgrp.dat"), "x");
    const auto place = [&](QString path) {
        return path.replace(QLatin1String("<home>"), home)
                .replace(QLatin1String("<root>"), root.path());
    };
    QCOMPARE(resolvePath(place(typed), {home, home + QStringLiteral("/.wine")}), place(found));
}

// "<root>" stands for a temporary folder holding game/Data/pedgrp.dat and
// notes.txt; paths in the columns are below it.
void TestGamePaths::locatesWhatTheLoadAnswerNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shownPath");
    QTest::addColumn<bool>("direct");
    QTest::addColumn<QString>("gameDirectory");
    QTest::addColumn<QString>("remembered");

    QTest::newRow("game folder") << "<root>/game"
                                 << "game/Data/pedgrp.dat"
                                 << "<root>/game/data/pedgrp.dat" << false << "<root>/game/"
                                 << "<root>/game/";
    QTest::newRow("game folder with separator")
            << "<root>/game/"
            << "game/Data/pedgrp.dat"
            << "<root>/game/data/pedgrp.dat" << false << "<root>/game/"
            << "<root>/game/";
    QTest::newRow("the file itself") << "<root>/game/Data/pedgrp.dat"
                                     << "game/Data/pedgrp.dat"
                                     << "<root>/game/Data/pedgrp.dat" << true << "<root>/game/"
                                     << "<root>/game/Data/pedgrp.dat";
    QTest::newRow("the file in other capitals")
            << "<root>/GAME/data/PEDGRP.DAT"
            << "game/Data/pedgrp.dat"
            << "<root>/GAME/data/PEDGRP.DAT" << true << "<root>/GAME/"
            << "<root>/GAME/data/PEDGRP.DAT";
    QTest::newRow("a file outside a data folder") << "<root>/notes.txt"
                                                  << "notes.txt"
                                                  << "<root>/notes.txt" << true << ""
                                                  << "<root>/notes.txt";
    QTest::newRow("a missing path is a game folder")
            << "<root>/gone"
            << "gone/data/pedgrp.dat"
            << "<root>/gone/data/pedgrp.dat" << false << "<root>/gone/"
            << "<root>/gone/";
    QTest::newRow("a file typed as a folder")
            << "<root>/notes.txt/"
            << "notes.txt/data/pedgrp.dat"
            << "<root>/notes.txt/data/pedgrp.dat" << false << "<root>/notes.txt/"
            << "<root>/notes.txt/";
}

void TestGamePaths::locatesWhatTheLoadAnswerNames()
{
#ifdef Q_OS_WIN
    QSKIP("The rows are written with Linux paths");
#endif
    QTemporaryDir root;
    writeFile(root.filePath(QStringLiteral("game/Data/pedgrp.dat")), "x");
    writeFile(root.filePath(QStringLiteral("notes.txt")), "x");
    const auto place
            = [&](QString path) { return path.replace(QLatin1String("<root>"), root.path()); };
    QFETCH(QString, typed);
    QFETCH(QString, path);
    QFETCH(QString, shownPath);
    QFETCH(bool, direct);
    QFETCH(QString, gameDirectory);
    QFETCH(QString, remembered);

    const GameFileLocation file = locateGameFile(place(typed));
    QCOMPARE(file.path, root.filePath(path));
    QCOMPARE(file.shownPath, place(shownPath));
    QCOMPARE(file.direct, direct);
    QCOMPARE(file.gameDirectory, place(gameDirectory));
    QCOMPARE(file.rememberedText(), place(remembered));
}

void TestGamePaths::findsTheGameFolderAboveData_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::newRow("windows path") << "c:\\\\gta3\\DATA\\pedgrp.dat"
                                  << "c:\\\\gta3\\";
    QTest::newRow("doubled separator before the file") << "c:\\gta3\\data\\\\pedgrp.dat"
                                                       << "c:\\gta3\\";
    QTest::newRow("not in a data folder") << "c:\\gta3\\pedgrp.dat"
                                          << "";
    QTest::newRow("folder only ending in data") << "c:\\gta3\\olddata\\pedgrp.dat"
                                                << "";
    QTest::newRow("data with nothing typed above") << "data\\pedgrp.dat"
                                                   << "";
    QTest::newRow("a bare name") << "pedgrp.dat"
                                 << "";
    if (QDir::separator() == u'/') {
        QTest::newRow("home path") << "~/gta3/Data/pedgrp.dat"
                                   << "~/gta3/";
        QTest::newRow("the root above data") << "/data/pedgrp.dat"
                                             << "/";
    }
}

void TestGamePaths::findsTheGameFolderAboveData()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(gameFolderAboveData(file).value_or(QString()), folder);
}

QTEST_APPLESS_MAIN(TestGamePaths)
#include "tst_gamepaths.moc"
