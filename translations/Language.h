#pragma once

#include <QLocale>
#include <QString>

// The language the game speaks: its own texts, and Qt's for the standard dialogs (their buttons,
// the file dialogs), in the first of the locale's languages that the game has a translation for;
// in English when it has none of them. English has texts of its own too: its plural forms
// ("1 game", "2 games").
namespace language {

// Installs the texts of the locale's languages (by default the system's: LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG) into the running application, replacing those an earlier call installed.
// Qt's own texts are installed where the system has them. The locale becomes the default one, so
// QLocale() writes numbers and dates as it does. Returns the language chosen: "de", "fr" or
// "en". Needs the application object.
QString install(const QLocale &locale = QLocale::system());

}  // namespace language
