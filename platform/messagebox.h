#pragma once

// MsgBox: a modal message box with a prompt, a style and a title.
// Styles: 0 OK; 4 Yes and No; 6 Cancel, Try Again and Continue; 48 warning icon
// with OK. Answers: 1 OK, 2 Cancel, 6 Yes, 7 No, 10 Try Again, 11 Continue.
// Escape and the close box answer Cancel where there is one, OK on an OK-only box,
// and do nothing on a Yes/No question, which waits for Yes or No.
// Lines of a prompt are joined with "\r\n". Tests answer through a responder.

#include <QString>

#include <functional>

namespace platform {

namespace MsgBoxStyle {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int CancelTryContinue = 6;
constexpr int Exclamation = 48;
// The rest of the runtime's style values; buttons, icon and default button add up.
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Information = 64;
constexpr int DefaultButton2 = 256;
constexpr int DefaultButton3 = 512;
} // namespace MsgBoxStyle

namespace MsgBoxAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
constexpr int TryAgain = 10;
constexpr int Continue = 11;
} // namespace MsgBoxAnswer

struct MessageBoxRequest
{
    QString prompt; // exactly as the game wrote it, "\r\n" between lines
    int style = 0;
    QString title;
};

using MessageBoxResponder = std::function<int(const MessageBoxRequest &)>;

int MsgBox(const QString &prompt, int style, const QString &title);

// While a responder is installed, MsgBox asks it instead of the player.
void setMessageBoxResponder(MessageBoxResponder responder);

// "\r\n" to the "\n" that Qt's text layout breaks lines on.
QString displayText(const QString &text);

} // namespace platform
