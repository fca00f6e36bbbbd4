#pragma once

#include "format/areatable.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The text of a written file (each character one byte, Latin-1): the header,
// one empty line, then one line per written area, all ending in CR LF. A list
// that cannot be split into eight slots is written whole, laid out like a last
// slot, so nothing is lost.
QString composeFile(const AreaTable &table);

// Names the first area whose model list holds a character that its line in
// the file cannot carry (above Latin-1, a line break or "#"), and that
// character; empty when every list can be written.
QString describeUnwritableCharacter(const AreaTable &table);

// The text as Latin-1 bytes, or nothing when it holds a character that an 8-bit
// file cannot hold.
std::optional<QByteArray> encodeLatin1(const QString &text);
