#pragma once

#include "platform/settings.h"

// Remembers in memory only; counts the writes.
class FakeSettings : public Settings
{
public:
    QString rememberedGame() const override;
    void setRememberedGame(const QString &game) override;

    QString remembered;
    int writes = 0;
};
