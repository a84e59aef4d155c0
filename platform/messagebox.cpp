#include "messagebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace platform {
namespace {

MessageBoxResponder &currentResponder()
{
    static MessageBoxResponder installed;
    return installed;
}

struct ButtonChoice
{
    QMessageBox::StandardButton standard; // NoButton: a button with its own text
    const char *text;
    QMessageBox::ButtonRole role;
    int answer;
};

// The buttons of each button set in the order the runtime showed them, and the
// answer that stands for closing the box without pressing one. A set without a way
// out (Yes and No; Abort, Retry and Ignore) must be answered by one of its buttons:
// Escape and the close box do nothing there, and its escapeAnswer only stands for a
// box that the program itself closes as it ends.
struct ButtonSet
{
    std::vector<ButtonChoice> buttons;
    int escapeAnswer;
    bool escapable = true;
};

// Keeps a question open until one of its buttons answers it.
class AnswerRequired : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
            return true;
        // The window system's close (the close box, Alt+F4), not the program's.
        if (event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

ButtonSet buttonSet(int style)
{
    using B = QMessageBox;
    switch (style & 0xF) {
    case MsgBoxStyle::OkCancel:
        return {{{B::Ok, nullptr, B::AcceptRole, MsgBoxAnswer::Ok},
                 {B::Cancel, nullptr, B::RejectRole, MsgBoxAnswer::Cancel}},
                MsgBoxAnswer::Cancel};
    case MsgBoxStyle::AbortRetryIgnore:
        return {{{B::Abort, nullptr, B::RejectRole, MsgBoxAnswer::Abort},
                 {B::Retry, nullptr, B::AcceptRole, MsgBoxAnswer::Retry},
                 {B::Ignore, nullptr, B::AcceptRole, MsgBoxAnswer::Ignore}},
                MsgBoxAnswer::Abort,
                false};
    case MsgBoxStyle::YesNoCancel:
        return {{{B::Yes, nullptr, B::YesRole, MsgBoxAnswer::Yes},
                 {B::No, nullptr, B::NoRole, MsgBoxAnswer::No},
                 {B::Cancel, nullptr, B::RejectRole, MsgBoxAnswer::Cancel}},
                MsgBoxAnswer::Cancel};
    case MsgBoxStyle::YesNo:
        return {{{B::Yes, nullptr, B::YesRole, MsgBoxAnswer::Yes},
                 {B::No, nullptr, B::NoRole, MsgBoxAnswer::No}},
                MsgBoxAnswer::No,
                false};
    case MsgBoxStyle::RetryCancel:
        return {{{B::Retry, nullptr, B::AcceptRole, MsgBoxAnswer::Retry},
                 {B::Cancel, nullptr, B::RejectRole, MsgBoxAnswer::Cancel}},
                MsgBoxAnswer::Cancel};
    case MsgBoxStyle::CancelTryContinue:
        return {{{B::Cancel, nullptr, B::RejectRole, MsgBoxAnswer::Cancel},
                 {B::NoButton, QT_TRANSLATE_NOOP("platform::MessageBox", "&Try Again"),
                  B::ActionRole, MsgBoxAnswer::TryAgain},
                 {B::NoButton, QT_TRANSLATE_NOOP("platform::MessageBox", "&Continue"),
                  B::AcceptRole, MsgBoxAnswer::Continue}},
                MsgBoxAnswer::Cancel};
    default:
        return {{{B::Ok, nullptr, B::AcceptRole, MsgBoxAnswer::Ok}}, MsgBoxAnswer::Ok};
    }
}

QMessageBox::Icon icon(int style)
{
    switch (style & 0x70) {
    case MsgBoxStyle::Critical:
        return QMessageBox::Critical;
    case MsgBoxStyle::Question:
        return QMessageBox::Question;
    case MsgBoxStyle::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int askPlayer(const QString &prompt, int style, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setIcon(icon(style));
    // Prompts are plain text: a "<" in a file name must not turn them into markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(prompt));

    const ButtonSet set = buttonSet(style);
    std::vector<std::pair<QAbstractButton *, int>> answers;
    QAbstractButton *escapeButton = nullptr;
    for (const ButtonChoice &choice : set.buttons) {
        QAbstractButton *button =
            choice.standard != QMessageBox::NoButton
                ? box.addButton(choice.standard)
                : box.addButton(QCoreApplication::translate("platform::MessageBox", choice.text),
                                choice.role);
        answers.emplace_back(button, choice.answer);
        if (choice.answer == set.escapeAnswer)
            escapeButton = button;
    }
    box.setEscapeButton(escapeButton);
    AnswerRequired answerRequired;
    if (!set.escapable) {
        box.installEventFilter(&answerRequired);
        // It looks as it behaves: a title bar without a close box.
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                           ~Qt::WindowCloseButtonHint);
    }
    const std::size_t defaultIndex = static_cast<std::size_t>((style >> 8) & 0x3);
    if (defaultIndex < answers.size()) {
        if (auto *push = qobject_cast<QPushButton *>(answers[defaultIndex].first))
            box.setDefaultButton(push);
    }

    box.exec();
    for (const auto &[button, answer] : answers) {
        if (box.clickedButton() == button)
            return answer;
    }
    return set.escapeAnswer;
}

} // namespace

int MsgBox(const QString &prompt, int style, const QString &title)
{
    if (currentResponder())
        return currentResponder()(MessageBoxRequest{prompt, style, title});
    return askPlayer(prompt, style, title);
}

void setMessageBoxResponder(MessageBoxResponder responder)
{
    currentResponder() = std::move(responder);
}

QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace platform
