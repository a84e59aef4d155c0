#include <QCloseEvent>
#include <QPointer>

#include "forms.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "accessibility.h"
#include "gamewindowsadapter.h"

#include <utility>

namespace ui {
namespace {

// Forgets the About window as soon as its close box is pressed. Qt deletes it only
// when control returns to the event loop; until then form3() must already create a
// fresh window rather than hand out the one about to go.
class ForgetOnClose : public QObject
{
public:
    explicit ForgetOnClose(QPointer<Form3> &tracked) : m_tracked(tracked) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched == m_tracked.data())
            m_tracked.clear();
        return false;
    }

private:
    QPointer<Form3> &m_tracked;
};

struct Registry
{
    Form1 *form1 = nullptr;
    Form2 *form2 = nullptr;
    QPointer<Form3> form3;
    Form4 *form4 = nullptr;
    board::Form5 *form5 = nullptr;
    Form6 *form6 = nullptr;
};

Registry &registry()
{
    static Registry windows;
    return windows;
}

ForgetOnClose &form3Watcher()
{
    static ForgetOnClose watcher(registry().form3);
    return watcher;
}

// Every window is top-level and starts hidden: creating one never shows it.
template <typename Window> Window &created(Window *&slot)
{
    if (!slot)
        slot = new Window;
    return *slot;
}

template <typename Window> void destroy(Window *&slot)
{
    delete std::exchange(slot, nullptr);
}

} // namespace

Form1 &form1()
{
    return created(registry().form1);
}
// The game setting dialog knows nothing of the main window: its OK reaches it through
// these signals, looked up when they fire (the main window may be made afresh).
Form2 &form2()
{
    Form2 *&slot = registry().form2;
    if (!slot) {
        created(slot);
        QObject::connect(slot, &Form2::modeCommandsUnlocked, [] { form1().unlockModeCommands(); });
        QObject::connect(slot, &Form2::pictureConfirmed,
                         [](const QString &path) { form1().usePicture(path); });
    }
    return *slot;
}
Form4 &form4()
{
    return created(registry().form4);
}
board::Form5 &form5()
{
    return created(registry().form5);
}
// Like the game setting dialog, the option dialog's OK reaches the main window only
// through its signals.
Form6 &form6()
{
    Form6 *&slot = registry().form6;
    if (!slot) {
        created(slot);
        QObject::connect(slot, &Form6::cellSizeChosen,
                         [](int twips) { form1().useCellSize(twips); });
        QObject::connect(slot, &Form6::settingsStored, [] { form1().rebuildForNewSettings(); });
    }
    return *slot;
}

Form3 &form3()
{
    QPointer<Form3> &tracked = registry().form3;
    if (!tracked) {
        auto *window = new Form3;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(&form3Watcher());
        tracked = window;
    }
    return *tracked;
}

bool form2Exists()
{
    return registry().form2 != nullptr;
}
bool form3Exists()
{
    return !registry().form3.isNull();
}
bool form6Exists()
{
    return registry().form6 != nullptr;
}

void connectGameToWindows()
{
    installAccessibility();
    engine::connectWindows(&gameWindowsAdapter());
}

void destroyForms()
{
    Registry &windows = registry();
    // The main window goes first, its board before the cells' client surface (see
    // ~Form1); the other windows refer to it only through form1(), never by keeping it.
    destroy(windows.form1);
    destroy(windows.form4);
    destroy(windows.form5);
    destroy(windows.form2);
    destroy(windows.form6);
    // An About window closed by its close box may still wait for its deferred
    // deletion; it is gone from the registry already and Qt deletes it.
    delete windows.form3.data();
    windows.form3.clear();
    connectGameToWindows();
}

} // namespace ui
