#pragma once

#include "format/areatable.h"
#include "format/filelayout.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The text of a written file (each character one byte, Latin-1): the header,
// one empty line, then one line per written area, all ending in CR LF. A list
// that cannot be split into eight slots is written whole, laid out like a last
// slot, so nothing is lost.
QString composeFile(const AreaTable &table);

// One area's line in the TAB layout, without its line end.
QString composeAreaLine(const Area &area);

// Whether the area's list and name are those read from its line, so that the
// line can be written back as it was.
bool keepsLine(const FileLayout &layout, const AreaTable &table, int area);

// The text of area's line in a file that keeps layout: as read while the area
// keeps it, else composed in the TAB layout.
QString keptLayoutLine(const FileLayout &layout, const AreaTable &table, int area);

// The text of a written file that keeps the layout of the file the table was
// read from: its bytes as read, less a byte order mark, with the line of each
// area whose list or name changed composed anew in the TAB layout. Every line
// keeps its end.
QString composeKeepingLayout(const AreaTable &table, const FileLayout &layout);

// The line each area stands on in the file written from table (area n:
// entry n - 1, counted from 1), in keptLayout when there is one, else in the
// TAB layout, where an area with no model list has none (0).
QList<int> writtenAreaLines(const AreaTable &table, const FileLayout *keptLayout);

// Names the first area whose model list holds a character that its line in
// the file cannot carry (above Latin-1, a line break or "#"), and that
// character; empty when every list can be written. A file that keeps
// keptLayout writes only the lines of changed areas anew.
QString describeUnwritableCharacter(const AreaTable &table, const FileLayout *keptLayout = nullptr);

// The text as Latin-1 bytes, or nothing when it holds a character that an 8-bit
// file cannot hold.
std::optional<QByteArray> encodeLatin1(const QString &text);
