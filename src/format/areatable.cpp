#include "format/areatable.h"

QList<int> writtenAreas(const AreaTable &table)
{
    QList<int> written;
    for (int area = 1; area <= table.areas.size(); ++area) {
        if (!table.areas[area - 1].areaPeds.isEmpty())
            written.append(area);
    }
    return written;
}
