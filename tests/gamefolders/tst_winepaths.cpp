#include "app/frmmain.h"
#include "gamefolders/gamepaths.h"
#include "support/fakeplatform.h"
#include "support/testfiles.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString GameFile = QStringLiteral("Program Files/Rockstar Games/GTAIII/data/pedgrp.dat");
const QString DefaultGameFile
        = QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\data\\pedgrp.dat");

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

// Everything lies in a temporary folder: the prefix in "prefix", other drives
// and Linux folders beside it. "<root>" in a typed path stands for that folder.
class TestWinePaths : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void findsWindowsPathsInThePrefix_data();
    void findsWindowsPathsInThePrefix();
    void failsWhereNothingMatches_data();
    void failsWhereNothingMatches();
    void placesANewFileWhereItsFolderIs();
    void usesDotWineInHomeWithoutWinePrefix();
    void keepsADriveLinkThatPointsNowhere_data();
    void keepsADriveLinkThatPointsNowhere();
    void defaultTextLoadsTheGameFromThePrefix();

private:
    QString root(const QString &below = QString()) const;
    void makeDrives(const QStringList &drives);
    QString resolveTyped(QString typed) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedHome;
};

void TestWinePaths::init()
{
#ifdef Q_OS_WIN
    QSKIP("Windows paths need no Wine on Windows");
#endif
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_savedHome = qgetenv("HOME");
    qputenv("WINEPREFIX", root(QStringLiteral("prefix")).toLocal8Bit());
}

void TestWinePaths::cleanup()
{
    qunsetenv("WINEPREFIX");
    qputenv("HOME", m_savedHome);
    m_dir.reset();
}

QString TestWinePaths::root(const QString &below) const
{
    return below.isEmpty() ? m_dir->path() : m_dir->filePath(below);
}

// Each entry "x:=folder" links the prefix's dosdevices/x: to a folder below the root.
void TestWinePaths::makeDrives(const QStringList &drives)
{
    QVERIFY(QDir().mkpath(root(QStringLiteral("prefix/drive_c"))));
    for (const QString &drive : drives) {
        const QString letter = drive.section(u'=', 0, 0);
        const QString folder = root(drive.section(u'=', 1));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(root(QStringLiteral("prefix/dosdevices"))));
        QVERIFY(QFile::link(folder, root(QStringLiteral("prefix/dosdevices/")) + letter));
    }
}

QString TestWinePaths::resolveTyped(QString typed) const
{
    return resolvePath(typed.replace(QLatin1String("<root>"), root()));
}

void TestWinePaths::findsWindowsPathsInThePrefix_data()
{
    QTest::addColumn<QStringList>("drives");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");

    const QStringList wine{QStringLiteral("c:=prefix/drive_c")};
    const QString installed = QStringLiteral("prefix/drive_c/") + GameFile;
    const QString installedX86 = QStringLiteral(
            "prefix/drive_c/Program Files (x86)/Rockstar Games/GTAIII/data/pedgrp.dat");

    QTest::newRow("default text, c: linked as by wine")
            << wine << QStringList{installed} << DefaultGameFile << installed;
    QTest::newRow("c: is drive_c without dosdevices")
            << QStringList() << QStringList{installed} << DefaultGameFile << installed;
    QTest::newRow("capitals typed")
            << wine << QStringList{installed}
            << "C:\\PROGRAM FILES\\ROCKSTAR GAMES\\GTAIII\\DATA\\PEDGRP.DAT" << installed;
    QTest::newRow("slashes and doubled separators typed")
            << wine << QStringList{installed}
            << "c:/program files//rockstar games/gtaiii\\\\data/pedgrp.dat" << installed;
    QTest::newRow("32-bit game in a 64-bit prefix")
            << wine << QStringList{installedX86, "prefix/drive_c/Program Files/Common Files/x.dll"}
            << DefaultGameFile << installedX86;
    QTest::newRow("program files first when both hold the game")
            << wine << QStringList{installed, installedX86} << DefaultGameFile << installed;
    QTest::newRow("other drive through its link")
            << QStringList{wine.first(), "d:=media/cdrom"}
            << QStringList{"media/cdrom/GTA3/data/pedgrp.dat"} << "D:\\gta3\\data\\pedgrp.dat"
            << "media/cdrom/GTA3/data/pedgrp.dat";
    QTest::newRow("z: is the Linux root")
            << QStringList() << QStringList{"Linux Games/gta3/data/pedgrp.dat"}
            << "z:<root>\\linux games\\gta3\\data\\pedgrp.dat"
            << "Linux Games/gta3/data/pedgrp.dat";
    QTest::newRow("drive alone") << wine << QStringList{"prefix/drive_c/x"} << "c:"
                                 << "prefix/drive_c";
    QTest::newRow(".. stops at the drive's root")
            << wine << QStringList{installed}
            << "c:\\..\\..\\program files\\rockstar games\\gtaiii\\data\\pedgrp.dat" << installed;
    QTest::newRow(".. and . inside the path")
            << wine << QStringList{installed}
            << "c:\\games\\..\\program files\\.\\rockstar games\\gtaiii\\data\\pedgrp.dat"
            << installed;
    QTest::newRow(".. on z: stops at the Linux root")
            << QStringList() << QStringList{"Linux Games/gta3/data/pedgrp.dat"}
            << "z:\\..\\..<root>\\linux games\\gta3\\data\\pedgrp.dat"
            << "Linux Games/gta3/data/pedgrp.dat";
}

void TestWinePaths::findsWindowsPathsInThePrefix()
{
    QFETCH(QStringList, drives);
    QFETCH(QStringList, files);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    makeDrives(drives);
    for (const QString &file : files)
        writeFile(root(file), "x");

    const QString resolved = resolveTyped(typed);
    QVERIFY2(QFileInfo::exists(resolved), qPrintable(resolved));
    QCOMPARE(canonical(resolved), canonical(root(found)));
}

void TestWinePaths::failsWhereNothingMatches_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("typed");

    QTest::newRow("no game installed")
            << QStringList{"prefix/drive_c/Program Files/Rockstar Games/readme.txt"}
            << DefaultGameFile;
    QTest::newRow("drive wine does not know")
            << QStringList{"prefix/drive_c/gta3/data/pedgrp.dat"} << "e:\\gta3\\data\\pedgrp.dat";
    QTest::newRow("(x86) is tried below program files only")
            << QStringList{"prefix/drive_c/Program Files (x86)/gta3/data/pedgrp.dat"}
            << "c:\\gta3\\data\\pedgrp.dat";
}

void TestWinePaths::failsWhereNothingMatches()
{
    QFETCH(QStringList, files);
    QFETCH(QString, typed);
    makeDrives({QStringLiteral("c:=prefix/drive_c")});
    for (const QString &file : files)
        writeFile(root(file), "x");

    QFile file(resolveTyped(typed));
    QVERIFY(!file.open(QIODevice::ReadOnly));
    QCOMPARE(file.error(), QFileDevice::OpenError);
    QVERIFY(!file.errorString().isEmpty());
}

// Save As and Restore write files that need not exist yet.
void TestWinePaths::placesANewFileWhereItsFolderIs()
{
    makeDrives({QStringLiteral("c:=prefix/drive_c")});
    const QString data
            = root(QStringLiteral("prefix/drive_c/Program Files (x86)/Rockstar Games/GTAIII/data"));
    QVERIFY(QDir().mkpath(data));

    const QString resolved = resolvePath(
            QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\data\\new.dat"));
    QCOMPARE(QFileInfo(resolved).fileName(), QStringLiteral("new.dat"));
    QCOMPARE(QFileInfo(resolved).dir().canonicalPath(), canonical(data));
}

void TestWinePaths::usesDotWineInHomeWithoutWinePrefix()
{
    qunsetenv("WINEPREFIX");
    qputenv("HOME", root(QStringLiteral("home")).toLocal8Bit());
    writeFile(root(QStringLiteral("home/.wine/drive_c/Games/GTA3/data/pedgrp.dat")), "x");

    QCOMPARE(canonical(resolvePath(QStringLiteral("c:\\games\\gta3\\data\\pedgrp.dat"))),
            canonical(root(QStringLiteral("home/.wine/drive_c/Games/GTA3/data/pedgrp.dat"))));
}

// Wine looks only where the link points, so the path tried is below the link.
void TestWinePaths::keepsADriveLinkThatPointsNowhere_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("c: with the game in drive_c") << DefaultGameFile;
    QTest::newRow("z:") << "z:\\gta3\\data\\pedgrp.dat";
}

void TestWinePaths::keepsADriveLinkThatPointsNowhere()
{
    QFETCH(QString, typed);
    const QString letter = typed.left(2);
    writeFile(root(QStringLiteral("prefix/drive_c/") + GameFile), "x");
    writeFile(root(QStringLiteral("gta3/data/pedgrp.dat")), "x");
    const QString link = root(QStringLiteral("prefix/dosdevices/")) + letter;
    QVERIFY(QDir().mkpath(root(QStringLiteral("prefix/dosdevices"))));
    QVERIFY(QFile::link(root(QStringLiteral("unmounted")), link));

    const QString resolved = resolvePath(typed, {root(), root(QStringLiteral("prefix"))});
    QVERIFY2(resolved.startsWith(link + u'/'), qPrintable(resolved));
    QVERIFY(!QFileInfo::exists(resolved));
}

void TestWinePaths::defaultTextLoadsTheGameFromThePrefix()
{
    const QString defaultText = QStringLiteral("c:\\program files\\rockstar games\\gtaiii\\");
    makeDrives({QStringLiteral("c:=prefix/drive_c")});
    writeFile(root(QStringLiteral("prefix/drive_c/") + GameFile),
            areaLine("MALE01,MALE01,MALE01,MALE01,MALE01,MALE01,MALE01,MALE01", "Harbour"));
    FakePlatform fake;
    Editor editor;
    FileCommands files(editor, fake.platform());
    fake.dialogs.inputAnswers = {defaultText};

    files.load();

    QCOMPARE(fake.dialogs.inputs.first().defaultText, defaultText);
    QVERIFY(fake.dialogs.messages.isEmpty());
    QVERIFY(editor.hasDocument());
    QCOMPARE(files.documentFile().gameDirectory, defaultText);
    QCOMPARE(editor.shownSlots()[0], QStringLiteral("MALE01"));
}

QTEST_MAIN(TestWinePaths)
#include "tst_winepaths.moc"
