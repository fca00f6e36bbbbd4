#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTranslator>

// A language Varnel speaks: its code (as --language takes it and the
// translation files are named) and its name in itself.
struct Language
{
    QString code;
    QString name;
};

inline const QString English = QStringLiteral("en");

// English first, then the seven translations.
const QList<Language> &languages();
bool isLanguage(const QString &code);
// The codes, for messages: "en, de, ...".
QString languageCodes();

// The first of the user's preferred languages (as QLocale::uiLanguages()
// gives them, e.g. "de-AT", "pt-PT") that Varnel speaks; English when none.
// Any Portuguese is Brazilian Portuguese.
QString preferredLanguage(const QStringList &uiLanguages);

// The language of this run: the one asked for on the command line, else the
// one chosen in View > Language, else the system's.
QString runLanguage(const QString &requested, const QString &remembered);

// Varnel's own texts and Qt's (Yes, No, the file dialog) in one language,
// installed into the application for as long as this lives. English installs
// only its plural forms ("1 area", "6 areas").
class Translations
{
public:
    explicit Translations(const QString &code);

private:
    QTranslator m_varnel;
    QTranslator m_qt;
};
