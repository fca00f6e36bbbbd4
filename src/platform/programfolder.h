#pragma once

#include <QString>

// The folder that holds the program's executable.
QString programFolder();
