#pragma once

class FrmMain;

// Asks for one model name the catalogue knows and writes it into all eight
// slots of the selected area.
void setAllInAreaCommand(FrmMain &window);
// The same for every area of the list, in list order; the last area stays selected.
void setAllInLibertyCityCommand(FrmMain &window);
