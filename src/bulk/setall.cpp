#include "bulk/setall.h"

#include "app/frmmain.h"
#include "document/pedcatalogue.h"

#include <QComboBox>

namespace {

// The typed model name; empty when the user gave none or the catalogue does not
// know it, which has then been said.
QString askKnownModel(FrmMain &window, const QString &prompt, const QString &title)
{
    const QString name = window.dialogs().input(prompt, title, QString());
    if (name.isEmpty())
        return name;
    if (!catalogueContains(name)) {
        window.dialogs().message(QStringLiteral("Error: Could not find the pedestrian '") + name
                        + QStringLiteral("'."),
                QStringLiteral("Error"), MessageIcon::Warning, MessageButtons::Ok);
        return QString();
    }
    return name;
}

void setAllSlots(FrmMain &window, const QString &name)
{
    for (int slot = 0; slot < SlotCount; ++slot)
        window.setSlotText(slot, name);
}

} // namespace

void setAllInAreaCommand(FrmMain &window)
{
    const QString name = askKnownModel(window,
            QStringLiteral("Enter the name of the ped to use, it will be checked to make sure it "
                           "exists."),
            QStringLiteral("Set All In Area"));
    if (!name.isEmpty())
        setAllSlots(window, name);
}

void setAllInLibertyCityCommand(FrmMain &window)
{
    const QString name = askKnownModel(window,
            QStringLiteral("Enter the name of the ped to use in every area in every city, it will "
                           "be checked to make sure it exists."),
            QStringLiteral("Set All In LIberty"));
    if (name.isEmpty())
        return;
    const int areaCount = window.cmbareas()->count();
    for (int position = 0; position < areaCount; ++position) {
        window.selectArea(position);
        setAllSlots(window, name);
    }
}
