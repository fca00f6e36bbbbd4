#include "document/gamedetect.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(GameSource)

namespace {

using Files = QMap<QString, QString>;

const QString Native = QStringLiteral("<home>/.steam/steam");
const QString Local = QStringLiteral("<home>/.local/share/Steam");
const QString Flatpak
        = QStringLiteral("<home>/.var/app/com.valvesoftware.Steam/.local/share/Steam");
const QString SecondDisk = QStringLiteral("<root>/disk2/SteamLibrary");
const QString ThirdDisk = QStringLiteral("<root>/disk3/Games");
const QString WineGame
        = QStringLiteral("<home>/.wine/drive_c/Program Files (x86)/Rockstar Games/GTAIII");

QString quoted(const QString &text)
{
    return u'"' + QString(text).replace(u'\\', QLatin1String("\\\\")) + u'"';
}

// libraryfolders.vdf of a Steam folder, as newer Steam writes it.
Files libraryList(const QString &steamFolder, const QStringList &libraries)
{
    QString text = QStringLiteral("\"libraryfolders\"\n{\n");
    for (int i = 0; i < libraries.size(); ++i)
        text += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t%2\n\t\t\"label\"\t\t\"\"\n\t}\n")
                        .arg(i)
                        .arg(quoted(libraries[i]));
    return {{steamFolder + QLatin1String("/steamapps/libraryfolders.vdf"), text + u'}'}};
}

Files manifest(const QString &library, const QString &installDir)
{
    return {{library + QLatin1String("/steamapps/appmanifest_12100.acf"),
            QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"12100\"\n\t\"name\"\t\t\"Grand "
                           "Theft Auto 3\"\n\t\"installdir\"\t\t%1\n}\n")
                    .arg(quoted(installDir))}};
}

Files gameFile(const QString &gameFolder)
{
    return {{gameFolder + QLatin1String("/data/pedgrp.dat"), QStringLiteral("# groups\n")}};
}

// A library with the game installed as Steam installs it.
Files steamGame(const QString &library, const QString &installDir = "Grand Theft Auto 3")
{
    Files files = manifest(library, installDir);
    files.insert(gameFile(library + QLatin1String("/steamapps/common/") + installDir));
    return files;
}

Files operator+(Files a, const Files &b)
{
    a.insert(b);
    return a;
}

QString steamFolderText(const QString &library, const QString &installDir = "Grand Theft Auto 3")
{
    return library + QLatin1String("/steamapps/common/") + installDir + u'/';
}

} // namespace

// A temporary folder stands for the machine: "<root>" in the rows is that
// folder, "<home>" the home folder below it, which holds the Wine prefix.
class TestGameDetect : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void findsTheFirstInstall_data();
    void findsTheFirstInstall();
    void offersTheFolderThroughTheSteamLink();

private:
    QString place(QString path) const;
    UserFolders userFolders() const;

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestGameDetect::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
}

void TestGameDetect::cleanup()
{
    m_root.reset();
}

QString TestGameDetect::place(QString path) const
{
    return path.replace(QLatin1String("<home>"), QLatin1String("<root>/home"))
            .replace(QLatin1String("<root>"), m_root->path());
}

UserFolders TestGameDetect::userFolders() const
{
    return {place(QStringLiteral("<home>")), place(QStringLiteral("<home>/.wine"))};
}

void TestGameDetect::findsTheFirstInstall_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<GameSource>("source");

    const QString defaultFolder = DefaultGameDirectory;
    QTest::newRow("nothing installed") << Files() << defaultFolder << GameSource::None;
    QTest::newRow("Steam's own library")
            << steamGame(Local) << steamFolderText(Local) << GameSource::Steam;
    QTest::newRow("library on a second disk")
            << libraryList(Local, {Local, SecondDisk}) + steamGame(SecondDisk)
            << steamFolderText(SecondDisk) << GameSource::Steam;
    QTest::newRow("libraries in the order Steam lists them")
            << libraryList(Local, {Local, ThirdDisk, SecondDisk}) + steamGame(SecondDisk)
                    + steamGame(ThirdDisk)
            << steamFolderText(ThirdDisk) << GameSource::Steam;
    QTest::newRow("older list of bare paths")
            << Files{{Local + "/steamapps/libraryfolders.vdf",
                       "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
                       "\t\"ContentStatsID\"\t\t\"-42\"\n\t\"1\"\t\t\""
                               + SecondDisk + "\"\n}\n"}}
                    + steamGame(SecondDisk)
            << steamFolderText(SecondDisk) << GameSource::Steam;
    QTest::newRow("the manifest names the folder")
            << steamGame(Local, "GTA III") << steamFolderText(Local, "GTA III")
            << GameSource::Steam;
    QTest::newRow("game files in capitals") << manifest(Local, "Grand Theft Auto 3")
                    + Files{{Local + "/steamapps/common/Grand Theft Auto 3/DATA/PEDGRP.DAT", "x"}}
                                            << steamFolderText(Local) << GameSource::Steam;
    QTest::newRow("native Steam before Flatpak") << steamGame(Flatpak) + steamGame(Native)
                                                 << steamFolderText(Native) << GameSource::Steam;
    QTest::newRow("Flatpak Steam")
            << steamGame(Flatpak) << steamFolderText(Flatpak) << GameSource::Steam;
    QTest::newRow("Steam before Wine")
            << steamGame(Local) + gameFile(WineGame) << steamFolderText(Local) << GameSource::Steam;
    QTest::newRow("Wine prefix, offered as a Windows path")
            << gameFile(WineGame) << defaultFolder << GameSource::Wine;
    QTest::newRow("damaged library list: Steam's own library still counts")
            << Files{{Local + "/steamapps/libraryfolders.vdf",
                       "\"libraryfolders\"\n{\n\t\"0\"\n\t{"}}
                    + steamGame(Local) + steamGame(SecondDisk)
            << steamFolderText(Local) << GameSource::Steam;
    QTest::newRow("damaged library list: its libraries are passed over")
            << Files{{Local + "/steamapps/libraryfolders.vdf",
                       "\"libraryfolders\" { \"1\" { \"path\" \"" + SecondDisk + "\" }"}}
                    + steamGame(SecondDisk) + gameFile(WineGame)
            << defaultFolder << GameSource::Wine;
    QTest::newRow("damaged manifest in the first library")
            << libraryList(Local, {Local, SecondDisk})
                    + Files{{Local + "/steamapps/appmanifest_12100.acf", "\"AppState\" { \"inst"}}
                    + gameFile(Local + "/steamapps/common/Grand Theft Auto 3")
                    + steamGame(SecondDisk)
            << steamFolderText(SecondDisk) << GameSource::Steam;
    QTest::newRow("manifest without the game's files")
            << libraryList(Local, {Local, SecondDisk}) + manifest(Local, "Grand Theft Auto 3")
                    + steamGame(SecondDisk)
            << steamFolderText(SecondDisk) << GameSource::Steam;
    QTest::newRow("manifest leading out of the library")
            << manifest(Local, "../../elsewhere") + gameFile(Local + "/elsewhere")
                    + Files{{Local + "/steamapps/common/.keep", ""}}
            << defaultFolder << GameSource::None;
}

void TestGameDetect::findsTheFirstInstall()
{
    QFETCH(Files, files);
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        writeFile(place(file.key()), place(file.value()).toUtf8());

    const DetectedGame game = detectGame(userFolders());
    QTEST(game.source, "source");
    QFETCH(QString, folder);
    QCOMPARE(game.folder, place(folder));
}

// ~/.steam/steam is Steam's link to its folder; the shorter name is offered.
void TestGameDetect::offersTheFolderThroughTheSteamLink()
{
    const Files files = libraryList(Local, {Local}) + steamGame(Local);
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        writeFile(place(file.key()), place(file.value()).toUtf8());
    QVERIFY(QDir().mkpath(place("<home>/.steam")));
    QVERIFY(QFile::link(place(Local), place(Native)));

    QCOMPARE(detectGame(userFolders()).folder, place(steamFolderText(Native)));
}

QTEST_APPLESS_MAIN(TestGameDetect)
#include "tst_gamedetect.moc"
