#pragma once

class Editor;
struct Platform;

// Asks for a game folder and reads data/pedgrp.dat below it; the open
// document stays as it is unless the whole file could be read.
void loadCommand(Editor &editor, const Platform &platform);
// Writes the document over the game's data/pedgrp.dat.
void saveCommand(Editor &editor, const Platform &platform);
// Writes the document to a typed file name; Save stays off until the next Load.
void saveAsCommand(Editor &editor, const Platform &platform);
// Copies the shipped backup.file over data/pedgrp.dat of a typed game folder.
void restoreBackupCommand(const Editor &editor, const Platform &platform);
