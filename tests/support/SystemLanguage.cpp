// Every test program speaks the language the system names, as the game does: in the tests' one
// locale that is English, with its plural forms ("1 game", "2 games").
#include "Language.h"

#include <QCoreApplication>

namespace {
void speakTheSystemLanguage()
{
    language::install();
}
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(speakTheSystemLanguage)
