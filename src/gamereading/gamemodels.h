#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The ped model names of a default.ide, in file order: the first field after
// the id on each line of its "peds" sections. None when the file is missing or
// cannot be read.
QStringList idePedNames(const QString &path);

// The models the game will find: the catalogue and any further names (a modded
// game's own peds), matched without regard to case as the game does.
class GameModels
{
public:
    GameModels();
    explicit GameModels(const QStringList &moreNames);

    // The catalogue and the peds of the default.ide beside the pedgrp.dat.
    static GameModels beside(const QString &pedgrpPath);

    bool knows(QStringView name) const;

    // The names the game takes from a slot text that it will not find, in order.
    QStringList unknownNames(const QString &slotText) const;

private:
    QSet<QString> m_folded;
};
