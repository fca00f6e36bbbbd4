#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// A command of the game's script that sets a zone's group: opcode 0x0324 with
// the zone's label, the day flag (not 0: by day, 5:00 to 18:59; 0: by night)
// and the group. A value that a variable of the script gives is known only
// while the game runs, and is nothing here.
struct ZoneGroupCommand
{
    QString label;
    std::optional<int> dayFlag;
    std::optional<int> group;
};

// The commands of a compiled main.scm that set zones' groups, in file order:
// the main part's code, then each mission's. Its three header blocks (the
// global variables, the model names, the main size and the missions' offsets)
// are data and never read as commands. Nothing when the bytes do not start
// with those three blocks.
std::optional<QList<ZoneGroupCommand>> zoneGroupCommands(QByteArrayView script);
