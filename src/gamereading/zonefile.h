#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// The zones the game holds, CITYZON among them: its zone file adds at most one fewer.
constexpr int GameZoneCapacity = 50;

// The longest zone label the game keeps.
constexpr int ZoneLabelLength = 7;

// A box of the game's world, its corners in order: x grows to the east, y to
// the north, z upwards.
struct ZoneBox
{
    float minX = 0;
    float minY = 0;
    float minZ = 0;
    float maxX = 0;
    float maxY = 0;
    float maxZ = 0;

    // Seen from above, edges included.
    bool holdsPoint(float x, float y) const
    {
        return minX <= x && x <= maxX && minY <= y && y <= maxY;
    }
    double groundArea() const { return (double(maxX) - minX) * (double(maxY) - minY); }
};

// One zone of data/gta3.zon as the game reads it.
struct ZoneEntry
{
    // Upper case, at most ZoneLabelLength characters (8-bit text as Latin-1).
    QString label;
    // 0 default, 1 navigation, 2 information.
    int type = 0;
    ZoneBox box;
    // The island: 0 none, 1 Portland, 2 Staunton Island, 3 Shoreside Vale.
    int level = 0;
};

// The zones of a gta3.zon that carry groups, in file order, as far as the
// game's table holds them. Like the game, the reader makes every control
// character and comma a blank, drops leading blanks, skips empty lines and
// lines starting with "#", and reads the lines between one starting "zone" and
// one starting "end" as "name type minx miny minz maxx maxy maxz level"; a line
// with fewer fields is skipped. Only types 0 to 2 carry groups.
QList<ZoneEntry> readZoneFile(QByteArrayView bytes);
