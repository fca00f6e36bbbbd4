#include "gamefolders/gamedetect.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(GameSource)

namespace {

// Paths to write, each with its text, or with "->" and the folder it links to.
using Files = QMap<QString, QString>;

const QString Native = QStringLiteral("<home>/.steam/steam");
const QString Local = QStringLiteral("<home>/.local/share/Steam");
const QString Flatpak
        = QStringLiteral("<home>/.var/app/com.valvesoftware.Steam/.local/share/Steam");
const QString SecondDisk = QStringLiteral("<root>/disk2/SteamLibrary");
const QString ThirdDisk = QStringLiteral("<root>/disk3/Games");
const QString WineGame
        = QStringLiteral("<home>/.wine/drive_c/Program Files (x86)/Rockstar Games/GTAIII");
const QString Title = QStringLiteral("Grand Theft Auto 3");

Files operator+(Files a, const Files &b)
{
    a.insert(b);
    return a;
}

Files steamFile(const QString &folder, const QString &name, const QString &text)
{
    return {{folder + "/steamapps/" + name, text}};
}

// libraryfolders.vdf of a Steam folder, as newer Steam writes it.
Files libraryList(const QString &steamFolder, const QStringList &libraries)
{
    QString text = QStringLiteral("\"libraryfolders\" {");
    for (int i = 0; i < libraries.size(); ++i)
        text += QStringLiteral(" \"%1\" { \"path\" \"%2\" }").arg(i).arg(libraries[i]);
    return steamFile(steamFolder, "libraryfolders.vdf", text + " }");
}

Files manifest(const QString &library, const QString &installDir)
{
    return steamFile(library, "appmanifest_12100.acf",
            "\"AppState\" { \"appid\" \"12100\" \"installdir\" \"" + installDir + "\" }");
}

Files gameFile(const QString &gameFolder)
{
    return {{gameFolder + "/data/pedgrp.dat", "# groups\n"}};
}

QString installed(const QString &library, const QString &installDir = Title)
{
    return library + "/steamapps/common/" + installDir + u'/';
}

// A library with the game installed as Steam installs it.
Files steamGame(const QString &library)
{
    return manifest(library, Title) + gameFile(installed(library));
}

#ifdef Q_OS_WIN
// Steam on Windows names its folder in the user's registry, with "/" as Steam
// writes it. Points it at a folder for one test and then puts back what was there.
class SteamInRegistry
{
public:
    explicit SteamInRegistry(const QString &folder)
        : m_key(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                QSettings::NativeFormat),
          m_before(m_key.value(SteamPath))
    {
        m_key.setValue(SteamPath, folder);
        m_key.sync();
    }
    ~SteamInRegistry()
    {
        if (m_before.isValid())
            m_key.setValue(SteamPath, m_before);
        else
            m_key.remove(SteamPath);
    }

private:
    const QString SteamPath = QStringLiteral("SteamPath");
    QSettings m_key;
    QVariant m_before;
};
#endif

} // namespace

// A temporary folder stands for the machine: "<root>" in the rows is that
// folder, "<home>" the home folder below it, which holds the Wine prefix. On
// Windows the registry names Local as the Steam folder, and Steam elsewhere,
// Wine and links are Linux's.
class TestGameDetect : public QObject
{
    Q_OBJECT

private slots:
    void findsTheFirstInstall_data();
    void findsTheFirstInstall();
};

void TestGameDetect::findsTheFirstInstall_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<GameSource>("source");

    const QString none = DefaultGameDirectory;
    QTest::newRow("libraries in the order Steam lists them")
            << libraryList(Local, {Local, ThirdDisk, SecondDisk}) + steamGame(SecondDisk)
                    + steamGame(ThirdDisk)
            << installed(ThirdDisk) << GameSource::Steam;
    QTest::newRow("older list of bare paths")
            << steamFile(Local, "libraryfolders.vdf",
                       "\"LibraryFolders\"\n{\n\t\"1\"\t\t\"" + SecondDisk + "\"\n}\n")
                    + steamGame(SecondDisk)
            << installed(SecondDisk) << GameSource::Steam;
    QTest::newRow("own library without a list: the folder its manifest names, in capitals")
            << manifest(Local, "GTA III")
                    + Files{{installed(Local, "gta iii") + "DATA/PEDGRP.DAT", "x"}}
            << installed(Local, "GTA III") << GameSource::Steam;
#ifndef Q_OS_WIN
    QTest::newRow("native Steam before Flatpak")
            << steamGame(Flatpak) + steamGame(Native) << installed(Native) << GameSource::Steam;
    QTest::newRow("Flatpak Steam before Wine")
            << steamGame(Flatpak) + gameFile(WineGame) << installed(Flatpak) << GameSource::Steam;
    QTest::newRow("the shorter name through Steam's link")
            << libraryList(Local, {Local}) + steamGame(Local) + Files{{Native, "->" + Local}}
            << installed(Native) << GameSource::Steam;
    QTest::newRow("Wine prefix, offered as a Windows path")
            << gameFile(WineGame) << none << GameSource::Wine;
#endif
    QTest::newRow("damaged library list: Steam's own library still counts")
            << steamFile(Local, "libraryfolders.vdf", "\"libraryfolders\"\n{\n\t\"0\"\n\t{")
                    + steamGame(Local)
            << installed(Local) << GameSource::Steam;
    QTest::newRow("damaged library list: its libraries are passed over")
            << steamFile(Local, "libraryfolders.vdf",
                       "\"libraryfolders\" { \"1\" { \"path\" \"" + SecondDisk + "\" }")
                    + steamGame(SecondDisk)
            << none << GameSource::None;
    QTest::newRow("a damaged manifest and one without the game's files are passed over")
            << libraryList(Local, {Local, SecondDisk, ThirdDisk})
                    + steamFile(Local, "appmanifest_12100.acf", "\"AppState\" { \"inst")
                    + gameFile(installed(Local)) + manifest(SecondDisk, Title)
                    + steamGame(ThirdDisk)
            << installed(ThirdDisk) << GameSource::Steam;
    QTest::newRow("manifest leading out of the library")
            << manifest(Local, "../../elsewhere") + gameFile(Local + "/elsewhere")
                    + Files{{Local + "/steamapps/common/.keep", ""}}
            << none << GameSource::None;
}

void TestGameDetect::findsTheFirstInstall()
{
    QTemporaryDir root;
    const auto place = [&](QString path) {
        return path.replace("<home>", "<root>/home").replace("<root>", root.path());
    };
    QFETCH(Files, files);
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        const QString path = place(file.key());
        if (file.value().startsWith("->")) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY(QFile::link(place(file.value().mid(2)), path));
        } else {
            writeFile(path, place(file.value()).toUtf8());
        }
    }

#ifdef Q_OS_WIN
    const SteamInRegistry steam(place(Local));
#endif
    const DetectedGame game = detectGame({place("<home>"), place("<home>/.wine")});
    QTEST(game.source, "source");
    QFETCH(QString, folder);
    QCOMPARE(game.folder, QDir::toNativeSeparators(place(folder)));
}

QTEST_APPLESS_MAIN(TestGameDetect)
#include "tst_gamedetect.moc"
