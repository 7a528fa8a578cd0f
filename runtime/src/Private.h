// Internals shared by the runtime's sources. Nothing outside runtime/ and the
// test-support header includes this.
#pragma once

#include "rt/Application.h"
#include "rt/Controls.h"
#include "rt/Files.h"
#include "rt/Menu.h"
#include "rt/Window.h"

#include "EditCommands.h"
#include "Properties.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QApplication;
class QMenuBar;
class QKeyEvent;
class QPlainTextEdit;

namespace rt {

// A document type as the registry knows it.
struct RegistryEntry {
    std::string name;
    std::string creator;
    std::string type;
    std::string extensions;
};

// What happens to the runtime's objects over their lives. The shipped
// program installs no observer and so records nothing; the test support
// installs one.
class Observer {
public:
    virtual ~Observer() = default;
    virtual void RuntimeStarted() = 0;
    virtual void WindowConstructed(std::string_view className) = 0;
    virtual void WindowDestroyed(std::string_view className) = 0;
    virtual void TypeRegistered(const RegistryEntry& type) = 0;
    virtual void TypeWithdrawn(std::string_view name) = 0;
    virtual void MenuBarReleased(std::string_view className) = 0;
};

void SetObserver(Observer* observer);
Observer* CurrentObserver();

// Tells the observer, where one is installed.
template <class Tell>
void Observe(Tell tell)
{
    if (Observer* observer = CurrentObserver())
        tell(*observer);
}

// The runtime's global state: one per process, reset by RuntimeInit.
struct RuntimeState {
    std::unique_ptr<QApplication> ownedApp;
    ExceptionHelper helper;
    Ref<Application> app;
    // Open windows, front first.
    std::vector<std::shared_ptr<Window>> openWindows;
    std::map<std::string, std::weak_ptr<Window>, std::less<>> implicitWindows;
    // While set, no event of any window is running: a window destroyed now
    // may take its widgets with it at once.
    bool atRest = false;
    bool quitRequested = false;
    int exitCode = 0;
    bool reporting = false;
    std::exception_ptr foreign;
    std::vector<RegistryEntry> registeredTypes; // currently registered, in order
};

RuntimeState& State();

// Runs program code through the exception helper. A RuntimeException that the
// helper hands back is reported and ends the program with status 1; any other
// exception ends the loop and is rethrown from RuntimeRun.
void RunProgramCode(const std::function<void()>& code);
// Of a window's lifetime (WindowLifetime.cpp): the window moved to the front
// of the open-window list; and, at exit, every open window and implicit
// instance dropped before the loop destroys what was handed to it.
void BringToFront(Window& window);
void FinalizeWindows();
// Lets the front window's menu see each key before the focused control.
void InstallShortcutFilter();
// Wraps the application's style once, so that what it makes for every
// window alike is made only once.
void InstallStyle();

class WindowWidget;

// A menu item as a window's menu bar shows it.
struct MenuAction {
    QAction* action = nullptr;
    Ref<MenuItem> item;
    EditCommand command = EditCommand::None; // the standard Edit command it stands for, if any
};

class WindowPrivate {
public:
    WindowPrivate(Window& window, std::string className);
    ~WindowPrivate();

    void BuildMenuBar();
    // Enables each item of the menu bar as it stands now.
    void UpdateMenus();
    // Whether the item can be chosen: Quit always; an item that the window
    // handles, where it enables itself; a standard Edit item, where the
    // focused text area gives it something to act on.
    bool ItemEnabled(const MenuAction& entry, const EditTarget& target) const;
    void TriggerItem(const Ref<MenuItem>& item);
    // Whether the key is a shortcut that the window's own menu takes, even
    // from a focused control that would otherwise claim it.
    bool MenuClaimsShortcut(const QKeyEvent& event);
    // Construct's registration and the one close path (WindowLifetime.cpp).
    void Register();
    void UnifiedClose();
    void ApplyWindowFlags();
    void FinishProperties();
    void Place();
    // Chains the controls for Tab in their stored keyboard order, and puts
    // the keyboard on the first of them that it starts on.
    void ApplyKeyboardOrder();
    // The front window's focused text area: the control that had the focus
    // last, also while the menu bar holds the keyboard.
    QPlainTextEdit* FocusedTextArea() const;
    void FocusChanged(QWidget* now);
    bool IsControl(const QWidget* candidate) const;
    Ref<PushButton> ButtonWhere(bool defaultButton) const;

    Window& q;
    std::string className;
    QPointer<WindowWidget> widget;
    QWidget* content = nullptr;
    QMenuBar* menuBar = nullptr;
    QPointer<QWidget> focusedControl;
    Ref<MenuBar> bar;
    PropertyStore stored;
    std::vector<std::pair<std::string, Ref<Control>>> controls;
    std::map<std::string, std::function<bool()>, std::less<>> menuHandlers;
    std::vector<MenuAction> actions;
    bool open = false;
    bool closing = false;
    bool placed = false;
    bool contentsChanged = false;
    bool visible = true;
    bool closeButton = true;
    bool minimizeButton = false;
    bool maximizeButton = false;
    int placement = 0;
    bool flagsPending = false;
    bool backgroundPending = false;
};

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(WindowPrivate& owner);
    WindowPrivate* owner;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
};

class ControlPrivate {
public:
    ControlPrivate(Control& control, const ControlKind& kind) : q(control), kind(kind) {}

    void ApplyFont();
    void FinishProperties();
    void Raise(Event event);
    QWidget& Widget() const;
    template <class W>
    W& As() const
    {
        auto* w = qobject_cast<W*>(&Widget());
        if (!w)
            RaiseNilObjectException();
        return *w;
    }
    void SetGeometryPart(int index, int value);

    Control& q;
    const ControlKind& kind;
    std::string name;
    QPointer<QWidget> widget;
    std::weak_ptr<Window> window;
    PropertyStore stored;
    std::map<Event, std::vector<std::function<void()>>> handlers;
    float textSize = 0.0f;
    int textUnit = 0;
    int tabIndex = 0;
    bool tabStop = true;
    bool isDefault = false;
    bool isCancel = false;
    int geometry[4] = {0, 0, 0, 0};
    std::string text;            // a text area's text, as stored
    bool settingText = false;
    bool fontPending = false;
    bool coloursPending = false;
    Ref<Picture> backdrop;
};

// The runtime's own way to an object's private side. The public headers name
// it a friend and hand nothing of their inside out.
struct Internals {
    static WindowPrivate& Of(const Window& window) { return *window.d_; }
    static ControlPrivate& Of(const Control& control) { return *control.d_; }
    static PicturePrivate& Of(const Picture& picture) { return *picture.d_; }
};

class PicturePrivate {
public:
    static Ref<Picture> FromImage(QImage image);
    QImage image;
};

} // namespace rt
