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
