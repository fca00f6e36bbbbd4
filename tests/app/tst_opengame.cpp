#include "app/frmmain.h"
#include "file/filecommands.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTest>

// The ways to open a game: the prompt, the command line, a drop; what the
// prompts offer; where Save writes a file opened directly.
class TestOpenGame : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void promptOpensAFolderOrAFile_data();
    void promptOpensAFolderOrAFile();
    void promptsOfferTheRememberedOrDetectedGame_data();
    void promptsOfferTheRememberedOrDetectedGame();
    void failuresNameThePathTried();
    void pathsFromTheSystemAreUsedAsGivenTypedOnesByTheirRules_data();
    void pathsFromTheSystemAreUsedAsGivenTypedOnesByTheirRules();
    void aPathFromTheSystemAsksBeforeDroppingChanges();
    void dropsOfOneLocalPathLoadIt_data();
    void dropsOfOneLocalPathLoadIt();

private:
    void drop(const QList<QUrl> &urls, bool accepted);

    QString m_startFolder;
};

void TestOpenGame::init()
{
    QVERIFY(createEditor());
    m_startFolder = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
}

void TestOpenGame::cleanup()
{
    QDir::setCurrent(m_startFolder);
    destroyEditor();
}

// Sends a drag over the window and a drop of urls, and lets the drop end.
void TestOpenGame::drop(const QList<QUrl> &urls, bool accepted)
{
    QMimeData data;
    data.setUrls(urls);
    const QPointF at = m_window->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window.get(), &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window.get(), &drop);
    // Nothing is loaded, nor asked, while the drop lasts.
    QCOMPARE(cmbareas()->count(), 0);
    QCoreApplication::processEvents();
}

void TestOpenGame::promptOpensAFolderOrAFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("restoreOffers");
    QTest::newRow("the file itself") << "<tmp>/game/data/pedgrp.dat"
                                     << "game/data/pedgrp.dat"
                                     << "<tmp>/game/";
    QTest::newRow("a file outside a data folder") << "<tmp>/mods/groups.dat"
                                                  << "mods/groups.dat"
                                                  << "c:\\program files\\rockstar "
                                                     "games\\gtaiii\\";
#ifndef Q_OS_WIN
    // "~" is the shells' of Linux.
    QTest::newRow("home folder") << "~/gta3"
                                 << "home/gta3/data/pedgrp.dat"
                                 << "~/gta3/";
#endif
}

void TestOpenGame::promptOpensAFolderOrAFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, file);
    QFETCH(QString, restoreOffers);
    typed.replace(QLatin1String("<tmp>"), m_dir->path());
    restoreOffers.replace(QLatin1String("<tmp>"), m_dir->path());
    writeFile(path(file), threeAreas());

    loadFolder(typed);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 3);
    QCOMPARE(m_fake->settings.remembered, typed.endsWith(u't') ? typed : typed + u'/');

    cmbped(0)->setEditText(QStringLiteral("pimp"));
    action("mnusave")->trigger();
    QVERIFY(readFile(path(file)).startsWith("# header\r\n\r\npimp,"));
    QVERIFY(m_fake->dialogs.messages.last().text.contains(
            typed.endsWith(u't') ? typed : typed + QStringLiteral("/data/pedgrp.dat")));

    action("mnurestore")->trigger();
    QCOMPARE(m_fake->dialogs.inputs.last().defaultText, restoreOffers);
}

void TestOpenGame::promptsOfferTheRememberedOrDetectedGame_data()
{
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("offered");
#ifndef Q_OS_WIN
    // Windows's Steam is found through the registry (tst_gamedetect).
    const QString steamGame
            = QStringLiteral("<tmp>/home/.steam/steam/steamapps/common/Grand Theft Auto 3/");
    QTest::newRow("detected in Steam") << QString() << steamGame;
#endif
    QTest::newRow("remembered first") << QStringLiteral("/games/gta3/") << "/games/gta3/";
}

void TestOpenGame::promptsOfferTheRememberedOrDetectedGame()
{
    QFETCH(QString, remembered);
    QFETCH(QString, offered);
    offered.replace(QLatin1String("<tmp>"), m_dir->path());
    const QString steam = path(QStringLiteral("home/.steam/steam/steamapps/"));
    writeFile(steam + QStringLiteral("appmanifest_12100.acf"),
            "\"AppState\" { \"installdir\" \"Grand Theft Auto 3\" }");
    writeFile(steam + QStringLiteral("common/Grand Theft Auto 3/data/pedgrp.dat"), threeAreas());
    m_fake->settings.remembered = remembered;

    action("mnuload")->trigger();
    action("mnurestore")->trigger();

    QCOMPARE(m_fake->dialogs.inputs.size(), 2);
    QCOMPARE(m_fake->dialogs.inputs[0].defaultText, offered);
    QCOMPARE(m_fake->dialogs.inputs[1].defaultText, offered);
}

// "~" is the home folder on Linux; Windows takes it for a folder's name in a
// relative path, which leads from the current folder.
void TestOpenGame::failuresNameThePathTried()
{
#ifdef Q_OS_WIN
    const QString tried
            = QDir::toNativeSeparators(path(QStringLiteral("~/nowhere/data/pedgrp.dat")));
#else
    const QString tried = path(QStringLiteral("home/nowhere/data/pedgrp.dat"));
#endif
    loadFolder(QStringLiteral("~/nowhere"));
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().text,
            QStringLiteral("An error occured, the error was: %1 (%2).")
                    .arg(openError(tried), tried));
}

void TestOpenGame::pathsFromTheSystemAreUsedAsGivenTypedOnesByTheirRules_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("given");
    // The file read, or empty when the load of the path tried fails.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("tried");
#ifndef Q_OS_WIN
    QTest::newRow("drop of a folder whose name holds a backslash") << "drop"
                                                                   << "<tmp>/mods\\v2"
                                                                   << "mods\\v2/data/pedgrp.dat"
                                                                   << "<tmp>/mods\\v2/"
                                                                   << "";
    QTest::newRow("typed, the backslash separates") << "prompt"
                                                    << "<tmp>/mods\\v2"
                                                    << "mods/v2/data/pedgrp.dat"
                                                    << "<tmp>/mods\\v2\\"
                                                    << "";
    QTest::newRow("command line, not there as given: read as typed") << "command line"
                                                                     << "~/GTA3"
                                                                     << "home/gta3/data/pedgrp.dat"
                                                                     << "~/GTA3/"
                                                                     << "";
    QTest::newRow("command line, other capitals below the folder") << "command line"
                                                                   << "<tmp>/gta3"
                                                                   << "gta3/Data/PEDGRP.DAT"
                                                                   << "<tmp>/gta3/"
                                                                   << "";
#endif
    QTest::newRow("command line, relative") << "command line"
                                            << "game"
                                            << "game/data/pedgrp.dat"
                                            << "<tmp>/game/"
                                            << "";
    QTest::newRow("typed, relative") << "prompt"
                                     << "game"
                                     << "game/data/pedgrp.dat"
                                     << "<tmp>/game/"
                                     << "";
    QTest::newRow("command line, missing") << "command line"
                                           << "nowhere"
                                           << ""
                                           << ""
                                           << "<tmp>/nowhere/data/pedgrp.dat";
}

void TestOpenGame::pathsFromTheSystemAreUsedAsGivenTypedOnesByTheirRules()
{
    QFETCH(QString, from);
    QFETCH(QString, given);
    QFETCH(QString, file);
    QFETCH(QString, remembered);
    QFETCH(QString, tried);
    for (QString *text : {&given, &remembered, &tried})
        text->replace(QLatin1String("<tmp>"), m_dir->path());
    for (const char *game : {"game/data/pedgrp.dat", "mods\\v2/data/pedgrp.dat",
                 "mods/v2/data/pedgrp.dat", "gta3/Data/PEDGRP.DAT", "home/gta3/data/pedgrp.dat"})
        writeFile(path(QLatin1String(game)), threeAreas());

    if (from == QLatin1String("prompt"))
        loadFolder(given);
    else if (from == QLatin1String("drop"))
        drop({QUrl::fromLocalFile(given)}, true);
    else
        m_files->openPath(given);

    if (file.isEmpty()) {
        QCOMPARE(m_fake->dialogs.messages.size(), 1);
        QCOMPARE(m_fake->dialogs.messages.first().text,
                QStringLiteral("An error occured, the error was: %1 (%2).")
                        .arg(openError(tried), QDir::toNativeSeparators(tried)));
        return;
    }
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(QFileInfo(m_files->documentFile().path).absoluteFilePath(), path(file));
    QCOMPARE(QDir::fromNativeSeparators(m_fake->settings.remembered), remembered);
}

void TestOpenGame::aPathFromTheSystemAsksBeforeDroppingChanges()
{
    const QString game = makeGameFolder(m_dir->path(), threeAreas());
    m_files->openPath(game);
    QCOMPARE(cmbareas()->count(), 3);

    cmbped(0)->setEditText(QStringLiteral("pimp"));
    m_fake->dialogs.messageAnswers << Answer::No;
    m_files->openPath(path(QStringLiteral("missing")));
    QCOMPARE(m_fake->dialogs.messages, QList{ReallyLoad});
    QVERIFY(m_fake->dialogs.inputs.isEmpty());
}

void TestOpenGame::dropsOfOneLocalPathLoadIt_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("a game folder") << QStringList{"<tmp>/game"} << true;
    QTest::newRow("the file") << QStringList{"<tmp>/game/data/pedgrp.dat"} << true;
    QTest::newRow("two files") << QStringList{"<tmp>/game", "<tmp>/game"} << false;
    QTest::newRow("a web address") << QStringList{"http://www.varnel.example/"} << false;
    QTest::newRow("a missing path") << QStringList{"<tmp>/nowhere"} << false;
}

void TestOpenGame::dropsOfOneLocalPathLoadIt()
{
    QFETCH(QStringList, urls);
    QFETCH(bool, accepted);
    makeGameFolder(m_dir->path(), threeAreas());
    QList<QUrl> dropped;
    for (const QString &url : urls) {
        dropped << (url.startsWith(QLatin1String("<tmp>")) ? QUrl::fromLocalFile(
                            QString(url).replace(QLatin1String("<tmp>"), m_dir->path()))
                                                           : QUrl(url));
    }

    drop(dropped, accepted);

    QCOMPARE(cmbareas()->count(), accepted ? 3 : 0);
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

QTEST_MAIN(TestOpenGame)
#include "tst_opengame.moc"
