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
    for (int area = 1; area <= editor.table().areas.size(); ++area)
        areas.append(area);
    return areas;
}

// The same list for each of the areas.
inline AreaLists sameListFor(const QList<int> &areas, const QString &list)
{
    AreaLists lists;
    for (const int area : areas)
        lists.append({area, list});
    return lists;
}

// Before a command replaces the lists of many areas, each of them whose list
// cannot be split is warned about, in order.
inline void warnAboutDamagedAreas(Editor &editor, const QList<int> &areas)
{
    for (const int area : areas)
        editor.warnIfDamaged(area);
}
