// Feeds arbitrary bytes to the reader as a pedgrp.dat and checks what a user
// relies on: nothing the reader keeps is lost or changed by writing it and
// reading it again, and nothing lies outside the listed areas.

#include "format/areatable.h"
#include "format/pedgrpfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, int area = 0)
{
    std::fprintf(stderr, "fuzz_reader: %s (area %d)\n", what, area);
    std::abort();
}

void checkAreasAreListed(const AreaTable &table)
{
    if (table.areaCount() < 0 || table.areaCount() > AreaCapacity)
        fail("area count outside 0..100", table.areaCount());
    for (int area = table.areaCount() + 1; area <= AreaCapacity; ++area) {
        if (!table.areaPeds(area).isEmpty() || !table.areaName(area).isEmpty())
            fail("data stored beyond the listed areas", area);
    }
}

// A list that begins with "#" is written as a line that reads back as a
// comment: the format cannot tell them apart, so such a table has no round trip.
bool hasListReadAsComment(const AreaTable &table)
{
    for (int area = 1; area <= AreaCapacity; ++area) {
        if (table.areaPeds(area).startsWith(u'#'))
            return true;
    }
    return false;
}

// The written file read back holds the header and, in order, exactly the
// areas that have a model list, with their names; writing it again gives the
// same bytes.
void checkRoundTrip(const AreaTable &table)
{
    const QString composed = table.composeFile();
    const std::optional<QByteArray> bytes = encodeLatin1(composed);
    if (!bytes)
        fail("a read table holds a character the file cannot hold");
    if (hasListReadAsComment(table))
        return;

    const ReadResult again = readTable(*bytes);
    if (!again.ok())
        fail("a written file does not read back");
    checkAreasAreListed(again.table);
    if (again.table.headerText != table.headerText)
        fail("the header changed");
    int readBack = 0;
    for (int area = 1; area <= AreaCapacity; ++area) {
        if (table.areaPeds(area).isEmpty())
            continue;
        ++readBack;
        if (readBack > again.table.areaCount())
            fail("an area was lost", area);
        if (again.table.areaPeds(readBack) != table.areaPeds(area))
            fail("a model list changed", area);
        if (again.table.areaName(readBack) != table.areaName(area))
            fail("an area name changed", area);
    }
    if (readBack != again.table.areaCount())
        fail("an area appeared", again.table.areaCount());
    if (again.table.composeFile() != composed)
        fail("writing the read-back file gives other bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(
            reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // A failed read keeps what it stored before the failing line; that part
    // must obey the same rules.
    const ReadResult read = readTable(bytes);
    checkAreasAreListed(read.table);
    checkRoundTrip(read.table);
    return 0;
}
