#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>

// What Varnel keeps from one run to the next.
class Settings
{
public:
    virtual ~Settings() = default;
    // The game folder, or the file opened directly, of the last successful
    // load, as the user typed it; empty when nothing is remembered.
    virtual QString rememberedGame() const = 0;
    virtual void setRememberedGame(const QString &game) = 0;
    // The code of the language chosen in View > Language; empty for the
    // system's.
    virtual QString language() const = 0;
    virtual void setLanguage(const QString &code) = 0;
    // The size and place of the All Areas window as QWidget::saveGeometry
    // gives them; empty when nothing is remembered.
    virtual QByteArray allAreasGeometry() const = 0;
    virtual void setAllAreasGeometry(const QByteArray &geometry) = 0;
    // Whether Save keeps the layout of the file it writes over; off when
    // nothing is remembered.
    virtual bool keepsFileLayout() const = 0;
    virtual void setKeepsFileLayout(bool keeps) = 0;
    // The same for the Zone Map window.
    virtual QByteArray zoneMapGeometry() const = 0;
    virtual void setZoneMapGeometry(const QByteArray &geometry) = 0;
};

// Kept in the user's config folder (~/.config/Varnel/Varnel.conf on Linux,
// %APPDATA%\Varnel\Varnel.ini on Windows), written at once so that a crash
// loses nothing.
class QtSettings : public Settings
{
public:
    QtSettings();
    QString rememberedGame() const override;
    void setRememberedGame(const QString &game) override;
    QString language() const override;
    void setLanguage(const QString &code) override;
    QByteArray allAreasGeometry() const override;
    void setAllAreasGeometry(const QByteArray &geometry) override;
    bool keepsFileLayout() const override;
    void setKeepsFileLayout(bool keeps) override;
    QByteArray zoneMapGeometry() const override;
    void setZoneMapGeometry(const QByteArray &geometry) override;

private:
    QSettings m_settings;
};
