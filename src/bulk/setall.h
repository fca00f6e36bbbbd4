#pragma once

class Dialogs;
class Editor;

// Asks for one model name the catalogue knows and writes it into all eight
// slots of the selected area.
void setAllInAreaCommand(Editor &editor, Dialogs &dialogs);
// The same for every area of the list, in list order; the last area stays selected.
void setAllInLibertyCityCommand(Editor &editor, Dialogs &dialogs);
