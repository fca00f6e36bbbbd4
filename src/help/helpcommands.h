#pragma once

struct Platform;

// Opens readme.txt from the program's folder in the user's text editor; says so
// when no editor could be started.
void readmeCommand(const Platform &platform);
void quickInfoCommand(const Platform &platform);
// Opens the author's site in the user's web browser; says so when no browser
// could be started.
void authorsSiteCommand(const Platform &platform);
