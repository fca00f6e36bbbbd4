#include "platform/settings.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The user's config folder is a temporary one; each QtSettings stands for a run.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void remembersNothingAtFirst();
    void remembersTheGameAcrossRuns_data();
    void remembersTheGameAcrossRuns();
    void writesAtOnce();

private:
    QTemporaryDir m_config;
};

void TestSettings::init()
{
    QVERIFY(m_config.isValid());
    QFile::remove(m_config.filePath(QStringLiteral("Varnel/Varnel.conf")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

void TestSettings::remembersNothingAtFirst()
{
    QCOMPARE(QtSettings().rememberedGame(), QString());
}

void TestSettings::remembersTheGameAcrossRuns_data()
{
    QTest::addColumn<QString>("game");
    QTest::newRow("linux folder") << "/home/me/games/gta3/";
    QTest::newRow("windows folder") << "c:\\program files\\rockstar games\\gtaiii\\";
    QTest::newRow("file opened directly") << "~/GTA 3/data/pedgrp.dat";
    QTest::newRow("letters beyond ASCII, = and ;") << "/home/jürgen/spiele/gta=3;ä/";
}

void TestSettings::remembersTheGameAcrossRuns()
{
    QFETCH(QString, game);
    QtSettings().setRememberedGame(game);
    QCOMPARE(QtSettings().rememberedGame(), game);
}

void TestSettings::writesAtOnce()
{
    QtSettings settings;
    settings.setRememberedGame(QStringLiteral("/games/gta3/"));
#ifndef Q_OS_WIN
    QVERIFY(QFileInfo(m_config.filePath(QStringLiteral("Varnel/Varnel.conf"))).size() > 0);
#endif
    QCOMPARE(QtSettings().rememberedGame(), QStringLiteral("/games/gta3/"));
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
