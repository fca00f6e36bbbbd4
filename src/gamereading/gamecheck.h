#pragma once

#include "format/areatable.h"
#include "gamereading/gamemodels.h"
#include "gamereading/gamezones.h"

#include <QList>
#include <QString>
#include <QStringList>

// The title of the box that asks before a file the game would misread is written.
inline const QString GameCheckTitle = QStringLiteral("Game Check");

// The groups the game's table holds; a further group writes past it.
constexpr int GameGroupCapacity = 31;

// What the game would get wrong in the file the table writes, read as the game
// reads it, one line each: too many groups first, then per written area in
// order a line too long for the game to read at once, a line that is not read
// as exactly eight names and the names the game will not find. Empty when the
// game reads every area as the group it shows. Then, for each zone of the game
// whose known group lies at or past the groups the file gives, where the game
// finds no group.
QStringList gameCheckFindings(
        const AreaTable &table, const GameModels &models, const GameZones &zones = {});

// How the game reads one area's written line: the number it gives the first
// group the line makes (-1 when it makes none, as for an area not written),
// how many groups it makes and how many names it sees.
struct AreaReading
{
    int firstGroup = -1;
    int groups = 0;
    int names = 0;
};

// The reading of every area of the table, in order.
QList<AreaReading> gameAreaReadings(const AreaTable &table);

// The text of the box: the findings (at most ten, then how many more) and the
// question "Save anyway?".
QString gameCheckQuestion(const QStringList &findings);
