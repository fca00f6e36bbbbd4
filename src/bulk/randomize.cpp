#include "bulk/randomize.h"

#include "bulk/areas.h"
#include "format/pedcatalogue.h"
#include "platform/randomsource.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The context of Randomize's texts.
class Randomize
{
    Q_DECLARE_TR_FUNCTIONS(Randomize)
};

QString drawList(RandomSource &random)
{
    const QStringList &names = pedCatalogue();
    PedSlots pieces;
    for (QString &piece : pieces)
        piece = names.at(drawPosition(int(names.size()), random.next()));
    return joinSlots(pieces);
}

AreaLists drawLists(const QList<int> &areas, RandomSource &random)
{
    AreaLists lists;
    for (const int area : areas)
        lists.append({area, drawList(random)});
    return lists;
}

} // namespace

int drawPosition(int itemCount, float r)
{
    // A generator that rounds up to 1 must still land on the last item.
    const int position = int(std::floor(double(itemCount) * double(r)));
    return qBound(0, position, itemCount - 1);
}

void randomizeInAreaCommand(Editor &editor, RandomSource &random)
{
    if (editor.selectedArea() < 0)
        return;
    random.reseedFromClock();
    editor.replaceLists(
            Randomize::tr("Randomize In Area"), drawLists(selectedAreaOnly(editor), random));
}

void randomizeInAllAreasCommand(Editor &editor, RandomSource &random)
{
    random.reseedFromClock();
    const QList<int> areas = everyArea(editor);
    const AreaLists lists = drawLists(areas, random);
    warnAboutDamagedAreas(editor, areas);
    editor.replaceLists(Randomize::tr("Randomize In All Areas"), lists);
}
