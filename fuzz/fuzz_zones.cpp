// Feeds arbitrary bytes to the readers of the game's zone file, script and
// texts, and checks what the windows rely on: at most 50 zones, CITYZON first,
// labels of at most 7 characters, boxes with their corners in order, and a
// Where text for every group.
//
// The input holds the three files: two 16-bit little-endian sizes, then the
// zone file and the script of those sizes, then the texts.

#include "gamereading/gamezones.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_zones: %s\n", what);
    std::abort();
}

// The next part of the input, as long as the rest allows.
QByteArrayView takePart(QByteArrayView &rest, qsizetype size)
{
    const QByteArrayView part = rest.first(std::min(size, rest.size()));
    rest = rest.sliced(part.size());
    return part;
}

void checkZones(const GameZones &zones)
{
    if (zones.isEmpty())
        return;
    if (zones.size() > GameZoneCapacity)
        fail("more than 50 zones");
    if (zones.first().label != CityZoneLabel)
        fail("CITYZON is not first");
    for (const GameZone &zone : zones) {
        if (zone.label.isEmpty() || zone.label.size() > ZoneLabelLength)
            fail("a label of no or more than 7 characters");
        const ZoneBox &box = zone.box;
        if (!(box.minX <= box.maxX && box.minY <= box.maxY && box.minZ <= box.maxZ))
            fail("a box whose corners are out of order");
    }
    for (int group = -1; group <= 32; ++group) {
        if (groupWhereText(zones, group).isEmpty())
            fail("no Where text for a group");
        groupWhereDetails(zones, group);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArrayView rest(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (rest.size() < 4)
        return 0;
    const qsizetype zoneSize
            = static_cast<unsigned char>(rest[0]) | (static_cast<unsigned char>(rest[1]) << 8);
    const qsizetype scriptSize
            = static_cast<unsigned char>(rest[2]) | (static_cast<unsigned char>(rest[3]) << 8);
    rest = rest.sliced(4);
    const QByteArrayView zoneFile = takePart(rest, zoneSize);
    const QByteArrayView script = takePart(rest, scriptSize);
    const GameTexts texts(rest.toByteArray());
    checkZones(gameZones(zoneFile, script, texts));
    return 0;
}
