#pragma once

#include "format/areatable.h"
#include "format/filelayout.h"
#include "gamereading/gamemodels.h"
#include "gamereading/gamezones.h"

#include <QList>
#include <QString>
#include <QStringList>

// The title of the box that asks before a file the game would misread is written.
QString gameCheckTitle();

// The groups the game's table holds; a further group writes past it.
constexpr int GameGroupCapacity = 31;

// One thing the game would get wrong in the file.
struct GameCheckFinding
{
    // The area whose line it is in; 0 for a problem of no line.
    int area = 0;
    // Whether the finding names its area first, and what it calls it then
    // (see calledArea), e.g. "Downtown".
    bool namesArea = false;
    QString areaCalled;
    // What is wrong.
    QString problem;

    // The finding as one line, e.g. "Downtown (area 3): the game will not find zz."
    QString text() const;
};

// What the game would get wrong in the file the table writes (in keptLayout
// when given, else in the TAB layout), read as the game reads it: too many
// groups first, then per written area in order a line joined to the one
// before it, a line too long for the game to read at once, a line that is not
// read as exactly eight names and the names the game will not find. Empty
// when the game reads every area as the group it shows. areaLines name the
// areas that have no name (see calledArea). Then, for each zone of the game
// whose known group lies at or past the groups the file gives, where the game
// finds no group: a finding of no line.
QList<GameCheckFinding> gameCheck(const AreaTable &table, const GameModels &models,
        const QList<int> &areaLines = {}, const FileLayout *keptLayout = nullptr,
        const GameZones &zones = {});

// The findings' texts, one line each.
QStringList gameCheckFindings(const AreaTable &table, const GameModels &models,
        const QList<int> &areaLines = {}, const FileLayout *keptLayout = nullptr,
        const GameZones &zones = {});

// What the Game Check calls an area: its name, or for an area without a name
// "line <n>", its line in areaLines (area n: entry n - 1) where it has one.
QString calledArea(const AreaTable &table, const QList<int> &areaLines, int area);

// How the game reads one area's written line: the number it gives the first
// group the line makes (-1 when it makes none, as for an area not written),
// how many groups it makes and how many names it sees.
struct AreaReading
{
    int firstGroup = -1;
    int groups = 0;
    int names = 0;
};

// The reading of every area of the table, in order, in the file written as
// for gameCheck.
QList<AreaReading> gameAreaReadings(const AreaTable &table, const FileLayout *keptLayout = nullptr);

// The text of the box: the findings (at most ten, then how many more) and the
// question "Save anyway?".
QString gameCheckQuestion(const QStringList &findings);
