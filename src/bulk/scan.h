#pragma once

#include <QString>

struct AreaTable;
class Dialogs;
class Editor;

// The report on the first model name of the table that the catalogue does not
// know (areas 1 to 100, slots 1 to 8), or the all-clear. A list that cannot be
// split into eight slots is reported as such.
QString scanReport(const AreaTable &table);

// Shows the scan's report; changes nothing.
void scanCommand(const Editor &editor, Dialogs &dialogs);
