#pragma once

#include "gamereading/gametexts.h"
#include "gamereading/zonefile.h"

#include <QList>
#include <QString>

#include <optional>

// The zone the game makes itself and never reads from its zone file: it
// covers every point no other zone covers.
inline const QString CityZoneLabel = QStringLiteral("CITYZON");

// A zone of the game with the groups its people come from: by day (5:00 to
// 18:59) and by night. A group is nothing when a variable of the script sets
// it, known only while the game runs.
struct GameZone
{
    QString label;
    // Its text in the game's text file; an information zone, or a zone without
    // a text, is named by its label.
    QString name;
    int type = 0;
    int level = 0;
    ZoneBox box;
    std::optional<int> dayGroup = 0;
    std::optional<int> nightGroup = 0;
};

// The zones of a game: CITYZON first, then those of gta3.zon in its order.
// Empty when the game folder has none.
using GameZones = QList<GameZone>;

// The zones that a zone file, a script and the game's texts give; none when
// the script's bytes are not a script. A zone the script never sets uses group
// 0; a command sets the first zone with its label, CITYZON's day and night
// both.
GameZones gameZones(QByteArrayView zoneFile, QByteArrayView script, const GameTexts &texts);

// The zones of the game folder of the file at documentPath: the folder above
// the data folder (in any case) that holds it, with data/gta3.zon,
// data/main.scm and text/american.gxt found in any case. None when the file
// lies in no data folder, or gta3.zon or main.scm is missing, unreadable or
// larger than 16 MiB; without the texts the labels name the zones.
GameZones readGameZones(const QString &documentPath);

// Where a group walks: the zones that use it, CITYZON first, each name once
// (without a time when its people walk there by day and by night), joined by
// ", "; "no zone uses it" when none does; empty without zones.
QString groupWhereText(const GameZones &zones, int group);
// Each zone that uses the group with its label, type and island, one per
// line, and any zone whose group is set while the game runs.
QString groupWhereDetails(const GameZones &zones, int group);
