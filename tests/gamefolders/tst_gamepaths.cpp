#include "gamefolders/gamepaths.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
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
    void resolvesFoldersAndTheHomeFolder_data();
    void resolvesFoldersAndTheHomeFolder();
    void locatesWhatTheLoadAnswerNames_data();
    void locatesWhatTheLoadAnswerNames();
    void findsTheGameFolderAboveData_data();
    void findsTheGameFolderAboveData();
#ifdef Q_OS_WIN
    void usesWindowsPathsAsTyped_data();
    void usesWindowsPathsAsTyped();
#endif
};

void TestGamePaths::addsASeparatorOnlyWhenMissing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("directory");
    const QString sep = QDir::separator();
    QTest::newRow("no separator") << "/games/gta3"
                                  << "/games/gta3/";
    QTest::newRow("the separator it is written with") << "c:\\games\\gta3"
                                                       << "c:\\games\\gta3\\";
    QTest::newRow("backslash counts") << "c:\\gta3\\"
                                      << "c:\\gta3\\";
    QTest::newRow("blanks are kept") << "   "
                                     << "   " + sep;
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
    // Beside the folder "GTA III G", which "[GOG]" would match as a pattern.
    QTest::newRow("folder with brackets") << "GTA III [GOG]/data/pedgrp.dat"
                                          << "gta iii [gog]/data/pedgrp.dat";
}

// Windows finds the file itself; the question about it names it as it lies on disk.
void TestGamePaths::findsFilesWhateverTheirCase()
{
    QFETCH(QString, onDisk);
    QFETCH(QString, typed);
    QTemporaryDir dir;
    writeFile(dir.filePath(onDisk), "x");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("GTA III G")));
#ifdef Q_OS_WIN
    const QString found = spelledAsOnDisk(QDir::fromNativeSeparators(dir.path() + u'/' + typed));
    QCOMPARE(found.mid(dir.path().size() + 1), onDisk);
#else
    QCOMPARE(resolvePath(dir.path() + u'/' + typed), dir.filePath(onDisk));
#endif
}

// "<root>" stands for a temporary folder holding the files onDisk, "<home>" for
// its folder home.
void TestGamePaths::resolvesFoldersAndTheHomeFolder_data()
{
    QTest::addColumn<QStringList>("onDisk");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    // A name that exists only in other capitals, and as a file, must not hide
    // the folder the path goes on in.
    const QStringList fileBesideFolder{"game/DATA", "game/Data/pedgrp.dat"};
    QTest::newRow("file DATA beside folder Data")
            << fileBesideFolder << "<root>/game/data/pedgrp.dat"
            << "<root>/game/Data/pedgrp.dat";
    QTest::newRow("file typed exactly, folder in other capitals")
            << fileBesideFolder << "<root>/game/DATA/pedgrp.dat"
            << "<root>/game/Data/pedgrp.dat";
    QTest::newRow("a final separator asks for a folder")
            << QStringList{"GAME", "Game/data/pedgrp.dat"} << "<root>/game/"
            << "<root>/Game";

    const QStringList home{"home/games/gta3/data/pedgrp.dat"};
    QTest::newRow("home alone") << home << "~"
                                << "<home>";
    QTest::newRow("backslashes and other capitals below ~") << home << "~\\\\Games\\GTA3"
                                                            << "<home>/games/gta3";
    QTest::newRow("another user's home is not expanded") << home << "~games"
                                                         << "~games";
    QTest::newRow("~ inside a path is a name") << home << "<root>/~/x"
                                               << "<root>/~/x";
    QTest::newRow("a Windows path after ~ is a name") << home << "~/c:/gta3"
                                                      << "<home>/c:/gta3";
}

void TestGamePaths::resolvesFoldersAndTheHomeFolder()
{
#ifdef Q_OS_WIN
    QSKIP("Windows finds files without regard to case itself, and ~ is a shell's");
#endif
    QFETCH(QStringList, onDisk);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    QTemporaryDir root;
    for (const QString &file : onDisk)
        writeFile(root.filePath(file), "x");
    const QString home = root.filePath(QStringLiteral("home"));
    const auto place = [&](QString path) {
        return path.replace(QLatin1String("<home>"), home)
                .replace(QLatin1String("<root>"), root.path());
    };
    QCOMPARE(resolvePath(place(typed), {home, home + QStringLiteral("/.wine")}), place(found));
}

// "<root>" stands for a temporary folder holding game/Data/pedgrp.dat and
// notes.txt.
void TestGamePaths::locatesWhatTheLoadAnswerNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("direct");
    QTest::addColumn<QString>("shownPath");
    QTest::addColumn<QString>("gameDirectory");

    QTest::newRow("game folder") << "<root>/game" << false << "<root>/game/data/pedgrp.dat"
                                 << "<root>/game/";
    QTest::newRow("game folder with separator")
            << "<root>/game/" << false << "<root>/game/data/pedgrp.dat"
            << "<root>/game/";
    QTest::newRow("the file itself, in other capitals")
            << "<root>/GAME/data/PEDGRP.DAT" << true << "<root>/GAME/data/PEDGRP.DAT"
            << "<root>/GAME/";
    QTest::newRow("a file outside a data folder")
            << "<root>/notes.txt" << true << "<root>/notes.txt" << QString();
    QTest::newRow("a missing path is a game folder")
            << "<root>/gone" << false << "<root>/gone/data/pedgrp.dat"
            << "<root>/gone/";
    QTest::newRow("a file typed as a folder")
            << "<root>/notes.txt/" << false << "<root>/notes.txt/data/pedgrp.dat"
            << "<root>/notes.txt/";
}

void TestGamePaths::locatesWhatTheLoadAnswerNames()
{
    QTemporaryDir root;
    writeFile(root.filePath(QStringLiteral("game/Data/pedgrp.dat")), "x");
    writeFile(root.filePath(QStringLiteral("notes.txt")), "x");
    const auto place
            = [&](QString path) { return path.replace(QLatin1String("<root>"), root.path()); };
    QFETCH(QString, typed);
    QFETCH(QString, shownPath);
    QFETCH(QString, gameDirectory);

    const GameFileLocation file = locateGameFile(place(typed));
    QTEST(file.direct, "direct");
    QCOMPARE(file.shownPath, place(shownPath));
    QCOMPARE(file.path, resolvePath(file.shownPath));
    QCOMPARE(file.gameDirectory, place(gameDirectory));
}

void TestGamePaths::findsTheGameFolderAboveData_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::newRow("windows path") << "c:\\\\gta3\\DATA\\pedgrp.dat"
                                  << "c:\\\\gta3\\";
    QTest::newRow("doubled separator before the file") << "c:\\gta3\\data\\\\pedgrp.dat"
                                                       << "c:\\gta3\\";
    QTest::newRow("not in a data folder") << "c:\\gta3\\pedgrp.dat" << QString();
    QTest::newRow("folder only ending in data") << "c:\\gta3\\olddata\\pedgrp.dat" << QString();
    QTest::newRow("data with nothing typed above") << "data\\pedgrp.dat" << QString();
    QTest::newRow("a bare name") << "pedgrp.dat" << QString();
    QTest::newRow("the root above data") << "/data/pedgrp.dat"
                                         << "/";
}

void TestGamePaths::findsTheGameFolderAboveData()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(gameFolderAboveData(file).value_or(QString()), folder);
}

#ifdef Q_OS_WIN
// The file system finds the path: no Wine prefix, no matching of our own.
void TestGamePaths::usesWindowsPathsAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::newRow("the default folder") << DefaultGameDirectory << false;
    QTest::newRow("a folder in other capitals") << "<root>\\GAME" << true;
    QTest::newRow("\"..\" as Windows takes it") << "<root>\\other\\..\\game\\" << true;
    QTest::newRow("the drive's root") << "<drive>\\" << false;
}

void TestGamePaths::usesWindowsPathsAsTyped()
{
    QTemporaryDir root;
    writeFile(root.filePath(QStringLiteral("game/data/pedgrp.dat")), "x");
    QFETCH(QString, typed);
    typed.replace(QLatin1String("<root>"), QDir::toNativeSeparators(root.path()));
    typed.replace(QLatin1String("<drive>"), root.path().left(2));

    const GameFileLocation file = locateGameFile(typed);
    QCOMPARE(file.path, withSeparator(typed) + QStringLiteral("data\\pedgrp.dat"));
    QTEST(QFileInfo(file.path).isFile(), "found");
}
#endif

QTEST_APPLESS_MAIN(TestGamePaths)
#include "tst_gamepaths.moc"
