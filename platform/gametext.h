#pragma once

// The engine's texts (engine/messages.h) in the language the game speaks. They are
// marked for lupdate in the context "GameText" where they are listed.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace platform {

inline QString gameText(const char *text)
{
    return QCoreApplication::translate("GameText", text);
}

inline QString gameText(const std::string &text)
{
    return gameText(text.c_str());
}

} // namespace platform
