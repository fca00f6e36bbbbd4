#include "language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

const QList<Language> &languages()
{
    static const QList<Language> all{
            {English, QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Français")},
            {QStringLiteral("it"), QStringLiteral("Italiano")},
            {QStringLiteral("es"), QStringLiteral("Español")},
            {QStringLiteral("ru"), QStringLiteral("Русский")},
            {QStringLiteral("pl"), QStringLiteral("Polski")},
            {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
    };
    return all;
}

bool isLanguage(const QString &code)
{
    for (const Language &language : languages()) {
        if (language.code == code)
            return true;
    }
    return false;
}

QString languageCodes()
{
    QStringList codes;
    for (const Language &language : languages())
        codes << language.code;
    return codes.join(QStringLiteral(", "));
}

QString preferredLanguage(const QStringList &uiLanguages)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QLocale locale(uiLanguage);
        if (locale.language() == QLocale::Portuguese)
            return QStringLiteral("pt_BR");
        const QString code = QLocale::languageToCode(locale.language());
        if (isLanguage(code))
            return code;
    }
    return English;
}

QString runLanguage(const QString &requested, const QString &remembered)
{
    if (isLanguage(requested))
        return requested;
    if (isLanguage(remembered))
        return remembered;
    return preferredLanguage(QLocale::system().uiLanguages());
}

namespace {

// Where Qt's own translations (qtbase_<code>.qm) lie: Qt's folder on Linux,
// the "translations" folder beside the program on Windows.
QString qtTranslationsFolder()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

Translations::Translations(const QString &code)
{
    if (m_varnel.load(QStringLiteral(":/i18n/varnel_") + code))
        QCoreApplication::installTranslator(&m_varnel);
    if (code != English && m_qt.load(QStringLiteral("qtbase_") + code, qtTranslationsFolder()))
        QCoreApplication::installTranslator(&m_qt);
}
