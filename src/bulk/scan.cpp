#include "bulk/scan.h"

#include "app/frmmain.h"
#include "document/pedcatalogue.h"

#include <QComboBox>

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

QStringList listedAreaNames(const QComboBox &areas)
{
    QStringList names;
    for (int position = 0; position < areas.count(); ++position)
        names.append(areas.itemText(position));
    return names;
}

} // namespace

QString scanReport(const AreaTable &table, const QStringList &listedNames)
{
    for (int area = 1; area <= AreaCapacity; ++area) {
        const QString list = table.areaPeds(area);
        if (list.isEmpty())
            continue;
        const QString areaName = listedNames.value(area - 1);
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

void scanCommand(FrmMain &window)
{
    window.dialogs().message(scanReport(window.table(), listedAreaNames(*window.cmbareas())),
            QStringLiteral("Error Scan"), MessageIcon::Information, MessageButtons::Ok);
}
