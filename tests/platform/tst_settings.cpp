#include "platform/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The user's config folder is a temporary one; each QtSettings stands for a run.
// Its settings file is Varnel/Varnel.conf on Linux, Varnel/Varnel.ini on
// Windows, where nothing goes to the registry.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void remembersTheGameAcrossRuns_data();
    void remembersTheGameAcrossRuns();
    void keepFileLayoutIsOffUntilTurnedOn();

private:
    QTemporaryDir m_config;
};

void TestSettings::init()
{
    QVERIFY(m_config.isValid());
    QVERIFY(QDir(m_config.filePath(QStringLiteral("Varnel"))).removeRecursively());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
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
    // Written at once, while the run goes on, into a file.
    const QFileInfoList files
            = QDir(m_config.filePath(QStringLiteral("Varnel"))).entryInfoList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(files.first().size() > 0);
    QCOMPARE(QtSettings().rememberedGame(), game);
}

void TestSettings::keepFileLayoutIsOffUntilTurnedOn()
{
    QVERIFY(!QtSettings().keepsFileLayout());
    QtSettings().setKeepsFileLayout(true);
    QVERIFY(QtSettings().keepsFileLayout());
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
