#pragma once

#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/randomsource.h"
#include "platform/settings.h"
#include "platform/userfolders.h"

#include <QString>

// What the window needs of the system it runs on; tests hand it their own.
struct Platform
{
    Dialogs *dialogs = nullptr;
    RandomSource *random = nullptr;
    Launcher *launcher = nullptr;
    Settings *settings = nullptr;
    // Where readme.txt and backup.file are found.
    QString shippedFilesFolder;
    // Where "~" and Windows paths lead.
    UserFolders folders;
};
