#include "language/language.h"

#include <QCoreApplication>
#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void theFirstPreferredLanguageSpokenIsChosen_data();
    void theFirstPreferredLanguageSpokenIsChosen();
    void theCommandLineGoesBeforeTheMenuBeforeTheSystem_data();
    void theCommandLineGoesBeforeTheMenuBeforeTheSystem();
    void everyLanguageTranslatesVarnelAndQt_data();
    void everyLanguageTranslatesVarnelAndQt();
};

void TestLanguage::theFirstPreferredLanguageSpokenIsChosen_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("code");
    QTest::newRow("a country's German") << QStringList{"de-AT"} << "de";
    QTest::newRow("Portugal's Portuguese") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Portuguese alone") << QStringList{"pt"} << "pt_BR";
    QTest::newRow("Latin America's Spanish") << QStringList{"es-419"} << "es";
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "en";
    QTest::newRow("one not spoken, then Polish") << QStringList{"nl-NL", "pl-PL"} << "pl";
    QTest::newRow("none spoken") << QStringList{"zh-CN", "C"} << "en";
    QTest::newRow("no list") << QStringList() << "en";
}

void TestLanguage::theFirstPreferredLanguageSpokenIsChosen()
{
    QFETCH(QStringList, uiLanguages);
    QTEST(preferredLanguage(uiLanguages), "code");
}

void TestLanguage::theCommandLineGoesBeforeTheMenuBeforeTheSystem_data()
{
    const QString system = preferredLanguage(QLocale::system().uiLanguages());
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("code");
    QTest::newRow("command line") << "ru"
                                  << "fr"
                                  << "ru";
    QTest::newRow("menu") << ""
                          << "fr"
                          << "fr";
    QTest::newRow("System Language in the menu") << ""
                                                 << "" << system;
    QTest::newRow("a remembered code no longer spoken") << ""
                                                        << "xx" << system;
}

void TestLanguage::theCommandLineGoesBeforeTheMenuBeforeTheSystem()
{
    QFETCH(QString, requested);
    QFETCH(QString, remembered);
    QTEST(runLanguage(requested, remembered), "code");
}

void TestLanguage::everyLanguageTranslatesVarnelAndQt_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("yes");
    QTest::newRow("en") << "en"
                        << "&File"
                        << "&Yes";
    QTest::newRow("de") << "de"
                        << "&Datei"
                        << "&Ja";
    QTest::newRow("fr") << "fr"
                        << "&Fichier"
                        << "&Oui";
    QTest::newRow("it") << "it"
                        << "&File"
                        << "&Sì";
    QTest::newRow("es") << "es"
                        << "&Archivo"
                        << "&Sí";
    QTest::newRow("ru") << "ru"
                        << "&Файл"
                        << "&Да";
    QTest::newRow("pl") << "pl"
                        << "&Plik"
                        << "&Tak";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "&Arquivo"
                           << "&Sim";
}

void TestLanguage::everyLanguageTranslatesVarnelAndQt()
{
    QFETCH(QString, code);
    {
        const Translations translations(code);
        QTEST(QCoreApplication::translate("FrmMain", "&File"), "file");
#ifndef Q_OS_WIN
        // On Windows they lie beside the program, in its zip (tests/desktop/winewindow.sh).
        QTEST(QCoreApplication::translate("QPlatformTheme", "&Yes"), "yes");
#endif
    }
    QCOMPARE(QCoreApplication::translate("FrmMain", "&File"), QStringLiteral("&File"));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
