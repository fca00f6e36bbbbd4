#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What "varnel [--language CODE] [PATH]" asks for.
struct CommandLine
{
    // The window is to start, and to load gamePath first unless it is empty:
    // a game folder or a pedgrp.dat file, exactly as given.
    bool startWindow = true;
    QString gamePath;
    // The code of the language for this run; empty for the usual one.
    QString language;
    // Otherwise the program prints message, on stderr when it tells of an
    // error, and exits with exitCode.
    QString message;
    bool messageIsError = false;
    int exitCode = 0;

    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// arguments as the program got them, its own name first. --help and --version
// give their text and exit code 0; an unknown option, an unknown language or
// more than one path give the error and the usage, and exit code 2. Nothing
// here touches a file.
CommandLine parseCommandLine(const QStringList &arguments);

// Prints the message of a command line that does not start the window.
void printMessage(const CommandLine &commandLine);
