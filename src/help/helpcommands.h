#pragma once

struct Platform;

// Opens readme.txt from the program's folder in the user's text editor; says so
// when no editor could be started.
void readmeCommand(const Platform &platform);
void quickInfoCommand(const Platform &platform);
// Opens the author's site in the user's web browser; a failure goes unreported.
void authorsSiteCommand(const Platform &platform);
