// Feeds arbitrary bytes to the reader as a pedgrp.dat and checks what a user
// relies on: nothing the reader keeps is lost or changed by writing it and
// reading it again, a file never gives more than 100 areas, and one written
// unchanged in its own layout is the file read.

#include "format/areareader.h"
#include "format/areawriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, int area = 0)
{
    std::fprintf(stderr, "fuzz_reader: %s (area %d)\n", what, area);
    std::abort();
}

void checkAreaCount(const AreaTable &table)
{
    if (table.areas.size() > AreaCapacity)
        fail("more than 100 areas", int(table.areas.size()));
}

// A list that begins with "#" is written as a line that reads back as a
// comment: the format cannot tell them apart, so such a table has no round trip.
bool hasListReadAsComment(const AreaTable &table)
{
    return std::any_of(table.areas.cbegin(), table.areas.cend(),
            [](const Area &area) { return area.areaPeds.startsWith(u'#'); });
}

// The written file read back holds the header and, in order, exactly the
// areas that have a model list, with their names; writing it again gives the
// same bytes.
void checkRoundTrip(const AreaTable &table)
{
    const QString composed = composeFile(table);
    const std::optional<QByteArray> bytes = encodeLatin1(composed);
    if (!bytes)
        fail("a read table holds a character the file cannot hold");
    if (hasListReadAsComment(table))
        return;

    const ReadResult again = readAreaTable(*bytes);
    if (!again.ok())
        fail("a written file does not read back");
    checkAreaCount(again.table);
    if (again.table.headerText != table.headerText)
        fail("the header changed");
    const QList<int> written = writtenAreas(table);
    for (int readBack = 1; readBack <= written.size(); ++readBack) {
        const int area = written[readBack - 1];
        if (readBack > again.table.areas.size())
            fail("an area was lost", area);
        if (!(again.table.areas[readBack - 1] == table.areas[area - 1]))
            fail("an area changed", area);
    }
    if (written.size() != again.table.areas.size())
        fail("an area appeared", int(again.table.areas.size()));
    if (composeFile(again.table) != composed)
        fail("writing the read-back file gives other bytes");
}

// Written unchanged keeping its layout, a file that reads whole gives back its
// bytes, less a byte order mark.
void checkKeptLayout(const QByteArray &bytes, const ReadResult &read)
{
    if (read.ok()
            && composeKeepingLayout(read.table, read.layout).toLatin1()
                    != bytes.sliced(read.layout.textStart))
        fail("the kept layout changed the file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(
            reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // A failed read keeps what it stored before the failing line; that part
    // must obey the same rules.
    const ReadResult read = readAreaTable(bytes);
    checkAreaCount(read.table);
    checkRoundTrip(read.table);
    checkKeptLayout(bytes, read);
    return 0;
}
