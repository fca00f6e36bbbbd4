#include "support/fakesettings.h"

QString FakeSettings::rememberedGame() const
{
    return remembered;
}

void FakeSettings::setRememberedGame(const QString &game)
{
    remembered = game;
    ++writes;
}

QByteArray FakeSettings::allAreasGeometry() const
{
    return geometry;
}

void FakeSettings::setAllAreasGeometry(const QByteArray &value)
{
    geometry = value;
}

QByteArray FakeSettings::zoneMapGeometry() const
{
    return mapGeometry;
}

void FakeSettings::setZoneMapGeometry(const QByteArray &value)
{
    mapGeometry = value;
}
