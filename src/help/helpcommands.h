#pragma once

class FrmMain;

// Opens readme.txt from the program's folder in the user's text editor; says so
// when no editor could be started.
void readmeCommand(FrmMain &window);
void quickInfoCommand(FrmMain &window);
// Opens the author's site in the user's web browser; a failure goes unreported.
void authorsSiteCommand(FrmMain &window);
