#include "language/language.h"

#include <QCoreApplication>

namespace {

// The tests read the program's texts as an English run shows them, with
// English plural forms ("1 area", "6 areas").
void speakEnglish()
{
    static const Translations english(English);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
