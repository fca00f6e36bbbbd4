#pragma once

#include "platform/settings.h"

// Remembers in memory only; counts the writes.
class FakeSettings : public Settings
{
public:
    QString rememberedGame() const override;
    void setRememberedGame(const QString &game) override;
    QString language() const override { return languageCode; }
    void setLanguage(const QString &code) override { languageCode = code; }
    QByteArray allAreasGeometry() const override;
    void setAllAreasGeometry(const QByteArray &geometry) override;
    bool keepsFileLayout() const override;
    void setKeepsFileLayout(bool keeps) override;
    QByteArray zoneMapGeometry() const override;
    void setZoneMapGeometry(const QByteArray &geometry) override;

    QString remembered;
    QString languageCode;
    QByteArray geometry;
    bool keepLayout = false;
    QByteArray mapGeometry;
    int writes = 0;
};
