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
    void remembersTheGameAcrossRuns_data();
    void remembersTheGameAcrossRuns();

private:
    QTemporaryDir m_config;
};

void TestSettings::init()
{
    QVERIFY(m_config.isValid());
    QFile::remove(m_config.filePath(QStringLiteral("Varnel/Varnel.conf")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

void TestSettings::remembersTheGameAcrossRuns_data()
{
    QTest::addColumn<QString>("game");
    QTest::newRow("windows folder") << "c:\\program files\\rockstar games\\gtaiii\\";
    QTest::newRow("a file, letters beyond ASCII, = and ;") << "~/GTA 3/jürgen=;ä/pedgrp.dat";
}

void TestSettings::remembersTheGameAcrossRuns()
{
    QFETCH(QString, game);
    QtSettings run;
    QCOMPARE(run.rememberedGame(), QString());
    run.setRememberedGame(game);
#ifndef Q_OS_WIN
    // Written at once, while the run goes on.
    QVERIFY(QFileInfo(m_config.filePath(QStringLiteral("Varnel/Varnel.conf"))).size() > 0);
#endif
    QCOMPARE(QtSettings().rememberedGame(), game);
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
