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

bool FakeSettings::keepsFileLayout() const
{
    return keepLayout;
}

void FakeSettings::setKeepsFileLayout(bool keeps)
{
    keepLayout = keeps;
}

QByteArray FakeSettings::zoneMapGeometry() const
{
    return mapGeometry;
}

void FakeSettings::setZoneMapGeometry(const QByteArray &value)
{
    mapGeometry = value;
}
