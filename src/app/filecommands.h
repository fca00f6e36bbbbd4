#pragma once

class FrmMain;

// Writes the document over the game's data/pedgrp.dat.
void saveCommand(FrmMain &window);
// Writes the document to a typed file name; Save stays off until the next Load.
void saveAsCommand(FrmMain &window);
// Copies the shipped backup.file over data/pedgrp.dat of a typed game folder.
void restoreBackupCommand(FrmMain &window);
