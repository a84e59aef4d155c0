#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace i18n {
namespace {

const QString Japanese = QStringLiteral("ja");
const QString English = QStringLiteral("en");

QString gameCatalogue(const QString &language)
{
    return QStringLiteral(":/i18n/tovik2_%1.qm").arg(language);
}

// The translators in use; replaced as a whole by the next installTranslators().
struct Installed
{
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<QTranslator> game;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

void install(std::unique_ptr<QTranslator> &slot, std::unique_ptr<QTranslator> translator)
{
    slot = std::move(translator);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

std::unique_ptr<QTranslator> loaded(const QString &file)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file))
        return nullptr;
    return translator;
}

} // namespace

QString gameLanguage(const QStringList &uiLanguages)
{
    const QString first = uiLanguages.value(0);
    // Qt names the C and POSIX locales "C".
    if (first.isEmpty() || first == u"C" || first == u"POSIX")
        return Japanese;
    const QLocale locale(first);
    if (locale.language() == QLocale::Japanese)
        return Japanese;
    // "pt-BR" finds tovik2_pt_BR, then tovik2_pt.
    const QString name = locale.name();
    for (const QString &candidate : {name, name.section(u'_', 0, 0)}) {
        if (candidate != u"C" && QFile::exists(gameCatalogue(candidate)))
            return candidate;
    }
    return English;
}

QString installTranslators(const QStringList &uiLanguages)
{
    const QString language = gameLanguage(uiLanguages);
    Installed &translators = installed();
    for (const auto &slot : {translators.qt.get(), translators.game.get()}) {
        if (slot)
            QCoreApplication::removeTranslator(slot);
    }
    // Qt's own catalogue goes in first: the one installed last is asked first, so the
    // game's words win where both have one.
    install(translators.qt, language == English
                                ? nullptr
                                : loaded(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                         QStringLiteral("/qtbase_%1.qm").arg(language)));
    install(translators.game, loaded(gameCatalogue(language)));
    return language;
}

} // namespace i18n
