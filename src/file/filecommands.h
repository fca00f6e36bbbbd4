#pragma once

#include <QString>

class Editor;
struct Platform;

// Asks for a game folder or a pedgrp.dat file and reads it; the open document
// stays as it is unless the whole file could be read.
void loadCommand(Editor &editor, const Platform &platform);
// Loads a folder or file that the system names (the command line, a drop, Open
// With), asking first when that would drop unsaved changes; a failure names the
// path tried.
void openPathCommand(Editor &editor, const Platform &platform, const QString &givenPath);
// Writes the document back over the file it was read from.
void saveCommand(Editor &editor, const Platform &platform);
// Writes the document to a typed file name; Save stays off until the next Load.
void saveAsCommand(Editor &editor, const Platform &platform);
// Copies the shipped backup.file over data/pedgrp.dat of a typed game folder.
void restoreBackupCommand(Editor &editor, const Platform &platform);
