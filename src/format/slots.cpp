#include "format/slots.h"

SlotPieces slotPieces(QStringView modelList)
{
    SlotPieces split;
    qsizetype start = 0;
    while (split.count < SlotCount - 1) {
        const qsizetype comma = modelList.indexOf(u',', start);
        if (comma < 0)
            break;
        split.pieces[split.count++] = modelList.sliced(start, comma - start);
        start = comma + 1;
    }
    split.pieces[split.count++] = modelList.sliced(start);
    return split;
}

std::optional<PedSlots> splitSlots(QStringView modelList)
{
    const SlotPieces split = slotPieces(modelList);
    if (!split.isWhole())
        return std::nullopt;
    return shownSlotsOf(modelList);
}

PedSlots shownSlotsOf(QStringView modelList)
{
    const SlotPieces split = slotPieces(modelList);
    PedSlots shown;
    for (int slot = 0; slot < split.count; ++slot)
        shown[slot] = split.pieces[slot].toString();
    return shown;
}

QString joinSlots(const PedSlots &pieces)
{
    QString list = pieces[0];
    for (int slot = 1; slot < SlotCount; ++slot)
        list += u',' + pieces[slot];
    return list;
}
