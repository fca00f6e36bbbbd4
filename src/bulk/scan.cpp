#include "bulk/scan.h"

#include "editor/editor.h"
#include "format/pedcatalogue.h"
#include "platform/dialogs.h"

#include <QCoreApplication>

namespace {

// The context of the Error Scan's texts.
class Scan
{
    Q_DECLARE_TR_FUNCTIONS(Scan)
};

QString unknownModelText(const QString &name, int slot, const QString &areaName)
{
    return Scan::tr("The pedestrian '%1' does not exist. This is ped number '%2' in '%3'.")
            .arg(name, QString::number(slot + 1), areaName);
}

QString damagedListText(const QString &areaName, const QString &modelList)
{
    return Scan::tr("The area '%1' does not hold eight peds: '%2'.").arg(areaName, modelList);
}

} // namespace

QString scanReport(const AreaTable &table)
{
    for (const int number : writtenAreas(table)) {
        const Area &area = table.areas[number - 1];
        const auto pieces = splitSlots(area.areaPeds);
        if (!pieces)
            return damagedListText(area.areaName, area.areaPeds);
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (!catalogueContains(pieces->at(slot)))
                return unknownModelText(pieces->at(slot), slot, area.areaName);
        }
    }
    return Scan::tr("All peds in all areas exist. No errors found.");
}

void scanCommand(const Editor &editor, Dialogs &dialogs)
{
    dialogs.message(scanReport(editor.table()), Scan::tr("Error Scan"), MessageIcon::Information,
            MessageButtons::Ok);
}
