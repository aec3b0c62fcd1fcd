#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace language {

namespace {
// The translators installed last: the game's and Qt's.
QPointer<QTranslator> g_game;
QPointer<QTranslator> g_qt;

void drop(QPointer<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
}  // namespace

QString install(const QLocale &locale)
{
    drop(g_game);
    drop(g_qt);
    // Numbers and dates as the locale writes them; the C locale, as C does, with no separator
    // between groups of digits.
    QLocale formats = locale;
    if (formats.language() == QLocale::C)
        formats.setNumberOptions(formats.numberOptions() | QLocale::OmitGroupSeparator);
    QLocale::setDefault(formats);
    QCoreApplication *app = QCoreApplication::instance();
    const QString embedded = QStringLiteral(":/i18n");
    auto *game = new QTranslator(app);
    // The locale's languages in their order, each also without its region ("de" for "de-AT").
    if (!game->load(locale, QStringLiteral("kelbrune"), QStringLiteral("_"), embedded))
        (void)game->load(QStringLiteral("kelbrune_en"), embedded);
    QCoreApplication::installTranslator(game);
    g_game = game;

    const QLocale spoken(game->language());
    if (spoken.language() == QLocale::English || spoken.language() == QLocale::C)
        return QStringLiteral("en");
    // Qt's texts in the language the game speaks, not in one the game does not have.
    auto *qt = new QTranslator(app);
    if (qt->load(spoken, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        g_qt = qt;
    } else {
        delete qt;
    }
    return spoken.name().section(QLatin1Char('_'), 0, 0);
}

}  // namespace language
