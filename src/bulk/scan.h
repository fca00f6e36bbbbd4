#pragma once

#include <QString>
#include <QStringList>

class AreaTable;
class FrmMain;

// The report on the first model name of the table that the catalogue does not
// know (areas 1 to 100, slots 1 to 8), or the all-clear. listedNames are the
// area list's entries, area k at position k - 1. A list that cannot be split
// into eight slots is reported as such.
QString scanReport(const AreaTable &table, const QStringList &listedNames);

// Shows the scan's report; changes nothing.
void scanCommand(FrmMain &window);
