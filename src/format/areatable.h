#pragma once

#include "format/crlf.h"
#include "format/slots.h"

#include <QList>
#include <QString>

// A file holds at most this many area lines.
constexpr int AreaCapacity = 100;

// One area line: the area's name and its model list, the names joined by commas.
struct Area
{
    QString areaName;
    QString areaPeds;

    friend bool operator==(const Area &a, const Area &b)
    {
        return a.areaName == b.areaName && a.areaPeds == b.areaPeds;
    }
};

// The pedgrp.dat document: the comment lines, each ending in CR LF, and the
// area lines in file order. Area number n is areas[n - 1].
struct AreaTable
{
    QString headerText;
    QList<Area> areas;
};

// The numbers of the areas a written file holds a line for: those whose model
// list is not empty, in order.
QList<int> writtenAreas(const AreaTable &table);
