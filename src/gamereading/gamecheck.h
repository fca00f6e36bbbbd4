#pragma once

#include "format/areatable.h"
#include "gamereading/gamemodels.h"

#include <QString>
#include <QStringList>

// The title of the box that asks before a file the game would misread is written.
inline const QString GameCheckTitle = QStringLiteral("Game Check");

// The groups the game's table holds; a further group writes past it.
constexpr int GameGroupCapacity = 31;

// What the game would get wrong in the file the table writes, read as the game
// reads it, one line each: too many groups first, then per written area in
// order a line that is not read as exactly eight names and the names the game
// will not find. Empty when the game reads every area as the group it shows.
QStringList gameCheckFindings(const AreaTable &table, const GameModels &models);

// The text of the box: the findings (at most ten, then how many more) and the
// question "Save anyway?".
QString gameCheckQuestion(const QStringList &findings);
