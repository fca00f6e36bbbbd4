#pragma once

#include "editor/editor.h"

#include <QList>

// The selected area's number alone, or none.
inline QList<int> selectedAreaOnly(const Editor &editor)
{
    if (editor.selectedArea() < 0)
        return {};
    return {editor.selectedArea() + 1};
}

// Every listed area's number, in list order.
inline QList<int> everyArea(const Editor &editor)
{
    QList<int> areas;
    for (int area = 1; area <= editor.table().areaCount(); ++area)
        areas.append(area);
    return areas;
}
