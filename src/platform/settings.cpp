#include "platform/settings.h"

namespace {

const QString RememberedGameKey = QStringLiteral("load/rememberedGame");

// Varnel writes nothing to the Windows registry: there too its settings are an
// INI file in the user's profile.
QSettings::Format settingsFormat()
{
#ifdef Q_OS_WIN
    return QSettings::IniFormat;
#else
    return QSettings::NativeFormat;
#endif
}

} // namespace

QtSettings::QtSettings()
    : m_settings(settingsFormat(), QSettings::UserScope, QStringLiteral("Varnel"),
            QStringLiteral("Varnel"))
{
}

QString QtSettings::rememberedGame() const
{
    return m_settings.value(RememberedGameKey).toString();
}

void QtSettings::setRememberedGame(const QString &game)
{
    m_settings.setValue(RememberedGameKey, game);
    m_settings.sync();
}
