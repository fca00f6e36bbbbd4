#include "bulk/scan.h"

#include "format/pedcatalogue.h"
#include "editor/editor.h"
#include "platform/dialogs.h"

namespace {

QString unknownModelText(const QString &name, int slot, const QString &areaName)
{
    return QStringLiteral("The pedestrian '") + name
            + QStringLiteral("' does not exist. This is ped number '") + QString::number(slot + 1)
            + QStringLiteral("' in '") + areaName + QStringLiteral("'.");
}

QString damagedListText(const QString &areaName, const QString &modelList)
{
    return QStringLiteral("The area '") + areaName + QStringLiteral("' does not hold eight peds: '")
            + modelList + QStringLiteral("'.");
}

} // namespace

QString scanReport(const AreaTable &table)
{
    for (int area = 1; area <= AreaCapacity; ++area) {
        const QString list = table.areaPeds(area);
        if (list.isEmpty())
            continue;
        const QString areaName = table.areaName(area);
        const auto pieces = splitSlots(list);
        if (!pieces)
            return damagedListText(areaName, list);
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (!catalogueContains(pieces->at(slot)))
                return unknownModelText(pieces->at(slot), slot, areaName);
        }
    }
    return QStringLiteral("All peds in all areas exist. No errors found.");
}

void scanCommand(const Editor &editor, Dialogs &dialogs)
{
    dialogs.message(scanReport(editor.table()), QStringLiteral("Error Scan"),
            MessageIcon::Information, MessageButtons::Ok);
}
