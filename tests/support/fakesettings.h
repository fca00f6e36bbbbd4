#pragma once

#include "platform/settings.h"

// Remembers in memory only; counts the writes.
class FakeSettings : public Settings
{
public:
    QString rememberedGame() const override;
    void setRememberedGame(const QString &game) override;
    QByteArray allAreasGeometry() const override;
    void setAllAreasGeometry(const QByteArray &geometry) override;
    QByteArray zoneMapGeometry() const override;
    void setZoneMapGeometry(const QByteArray &geometry) override;

    QString remembered;
    QByteArray geometry;
    QByteArray mapGeometry;
    int writes = 0;
};
