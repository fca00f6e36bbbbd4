#include "platform/settings.h"

namespace {

const QString RememberedGameKey = QStringLiteral("load/rememberedGame");
const QString LanguageKey = QStringLiteral("view/language");
const QString AllAreasGeometryKey = QStringLiteral("allAreas/geometry");
const QString KeepFileLayoutKey = QStringLiteral("save/keepFileLayout");
const QString ZoneMapGeometryKey = QStringLiteral("zoneMap/geometry");

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

QString QtSettings::language() const
{
    return m_settings.value(LanguageKey).toString();
}

void QtSettings::setLanguage(const QString &code)
{
    m_settings.setValue(LanguageKey, code);
    m_settings.sync();
}

QByteArray QtSettings::allAreasGeometry() const
{
    return m_settings.value(AllAreasGeometryKey).toByteArray();
}

void QtSettings::setAllAreasGeometry(const QByteArray &geometry)
{
    m_settings.setValue(AllAreasGeometryKey, geometry);
    m_settings.sync();
}

bool QtSettings::keepsFileLayout() const
{
    return m_settings.value(KeepFileLayoutKey, false).toBool();
}

void QtSettings::setKeepsFileLayout(bool keeps)
{
    m_settings.setValue(KeepFileLayoutKey, keeps);
    m_settings.sync();
}

QByteArray QtSettings::zoneMapGeometry() const
{
    return m_settings.value(ZoneMapGeometryKey).toByteArray();
}

void QtSettings::setZoneMapGeometry(const QByteArray &geometry)
{
    m_settings.setValue(ZoneMapGeometryKey, geometry);
    m_settings.sync();
}
