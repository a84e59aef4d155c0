#pragma once

// The language the game speaks, chosen once at start-up from the user's languages
// (QLocale::system().uiLanguages(), most wanted first, which follows LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG).
//
// Japanese first, or no language at all (the C and POSIX locales, or nothing set):
// Japanese, the game as it always was. Any other first language: that language when
// the game has a catalogue for it, otherwise English.

#include <QString>
#include <QStringList>

namespace i18n {

// "ja", "en", or the name of another language the game has a catalogue for.
QString gameLanguage(const QStringList &uiLanguages);

// Installs the game's catalogue for that language and, for any language but English,
// Qt's own (the standard buttons of message boxes, for one), in place of the ones an
// earlier call installed. Windows created afterwards speak the language. Returns it.
QString installTranslators(const QStringList &uiLanguages);

} // namespace i18n
