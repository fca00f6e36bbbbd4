#pragma once

#include "storage/filestamp.h"
#include "gamereading/gamemodels.h"

#include <QString>

// Where the open document was read from.
struct DocumentFile
{
    // The file on this system.
    QString path;
    // The file as the user named it, for messages.
    QString shownPath;
    // What the file was when it was read or last written here.
    FileStamp stamp;
    // The models the game beside that file knows.
    GameModels models;
};
