#pragma once

#include "gamefolders/gamepaths.h"

// Where an installed game was found; Wine stands for the installer's folder,
// in the Wine prefix or, on Windows, on the system itself.
enum class GameSource { Steam, Wine, None };

struct DetectedGame
{
    // The game folder as the prompts offer it, ending in a separator.
    QString folder;
    GameSource source = GameSource::None;
};

// The first install of the game found, for the prompts' default text when
// nothing is remembered: a Steam library (the native Steam in ~/.steam/steam
// and ~/.local/share/Steam, then the Flatpak one; on Windows the Steam folder
// the registry names; each with its libraries in the order Steam lists them),
// then DefaultGameDirectory in the Wine prefix (on Windows, it or its
// "Program Files (x86)" twin); else DefaultGameDirectory with the source None.
// A Steam folder is offered with the system's separators. An install counts when its
// data/pedgrp.dat is there. Only a few small files are read, and a damaged
// one is passed over in silence.
DetectedGame detectGame(const UserFolders &folders = userFolders());
