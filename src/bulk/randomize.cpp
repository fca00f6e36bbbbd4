#include "bulk/randomize.h"

#include "app/frmmain.h"

#include <QComboBox>

#include <cmath>

namespace {

void drawSlots(FrmMain &window)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QComboBox *box = window.cmbped(slot);
        const int position = drawPosition(box->count(), window.platform().random->next());
        window.setSlotText(slot, box->itemText(position));
    }
}

} // namespace

int drawPosition(int itemCount, float r)
{
    // A generator that rounds up to 1 must still land on the last item.
    const int position = int(std::floor(double(itemCount) * double(r)));
    return qBound(0, position, itemCount - 1);
}

void randomizeInAreaCommand(FrmMain &window)
{
    window.platform().random->reseedFromClock();
    drawSlots(window);
}

void randomizeInAllAreasCommand(FrmMain &window)
{
    window.platform().random->reseedFromClock();
    const int areaCount = window.cmbareas()->count();
    for (int position = 0; position < areaCount; ++position) {
        window.selectArea(position);
        drawSlots(window);
    }
}
