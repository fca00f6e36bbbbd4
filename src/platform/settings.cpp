#include "platform/settings.h"

namespace {

const QString RememberedGameKey = QStringLiteral("load/rememberedGame");

} // namespace

QtSettings::QtSettings() : m_settings(QStringLiteral("Varnel"), QStringLiteral("Varnel")) { }

QString QtSettings::rememberedGame() const
{
    return m_settings.value(RememberedGameKey).toString();
}

void QtSettings::setRememberedGame(const QString &game)
{
    m_settings.setValue(RememberedGameKey, game);
    m_settings.sync();
}
