#include "bulk/randomize.h"

#include "bulk/areas.h"
#include "format/pedcatalogue.h"
#include "platform/randomsource.h"

#include <cmath>

namespace {

QString drawList(RandomSource &random)
{
    const QStringList &names = pedCatalogue();
    PedSlots pieces;
    for (QString &piece : pieces)
        piece = names.at(drawPosition(int(names.size()), random.next()));
    return joinSlots(pieces);
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
    editor.rewriteAreas(QStringLiteral("Randomize In Area"), selectedAreaOnly(editor),
            [&](int) { return drawList(random); });
}

void randomizeInAllAreasCommand(Editor &editor, RandomSource &random)
{
    random.reseedFromClock();
    editor.rewriteAreas(QStringLiteral("Randomize In All Areas"), everyArea(editor), [&](int area) {
        editor.warnIfDamaged(area);
        return drawList(random);
    });
}
