#include "bulk/setall.h"

#include "bulk/areas.h"
#include "format/pedcatalogue.h"
#include "platform/dialogs.h"

#include <QCoreApplication>

namespace {

// The context of Set All's texts.
class SetAll
{
    Q_DECLARE_TR_FUNCTIONS(SetAll)
};

// The typed model name; empty when the user gave none or the catalogue does not
// know it, which has then been said.
QString askKnownModel(Dialogs &dialogs, const QString &prompt, const QString &title)
{
    const QString name = dialogs.input(prompt, title, QString());
    if (name.isEmpty())
        return name;
    if (!catalogueContains(name)) {
        dialogs.message(SetAll::tr("Error: Could not find the pedestrian '%1'.").arg(name),
                SetAll::tr("Error"), MessageIcon::Warning, MessageButtons::Ok);
        return QString();
    }
    return name;
}

QString eightTimes(const QString &name)
{
    PedSlots pieces;
    pieces.fill(name);
    return joinSlots(pieces);
}

} // namespace

void setAllInAreaCommand(Editor &editor, Dialogs &dialogs)
{
    if (editor.selectedArea() < 0)
        return;
    const QString name = askKnownModel(dialogs,
            SetAll::tr(
                    "Enter the name of the ped to use, it will be checked to make sure it exists."),
            SetAll::tr("Set All In Area"));
    if (name.isEmpty())
        return;
    editor.replaceLists(
            SetAll::tr("Set All In Area"), sameListFor(selectedAreaOnly(editor), eightTimes(name)));
}

void setAllInLibertyCityCommand(Editor &editor, Dialogs &dialogs)
{
    const QString name = askKnownModel(dialogs,
            SetAll::tr("Enter the name of the ped to use in every area in every city, it will be "
                       "checked to make sure it exists."),
            SetAll::tr("Set All In LIberty"));
    if (name.isEmpty())
        return;
    const QList<int> areas = everyArea(editor);
    warnAboutDamagedAreas(editor, areas);
    editor.replaceLists(
            SetAll::tr("Set All In Liberty City"), sameListFor(areas, eightTimes(name)));
}
