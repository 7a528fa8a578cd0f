// A window's lifetime in one place, from its registration in Construct to
// its destruction: the open-window list and the implicit instances, the
// close path, and the destruction that waits for the event loop. The rule
// these follow is stated in rt/Window.h.
#include "Private.h"

#include <QApplication>

namespace rt {

namespace {

// Marks a stretch of code that runs with no window event on the stack.
class AtRest {
public:
    AtRest() : was_(State().atRest) { State().atRest = true; }
    ~AtRest() { State().atRest = was_; }
    AtRest(const AtRest&) = delete;
    AtRest& operator=(const AtRest&) = delete;

private:
    bool was_;
};

// Holds a closed window until the event loop is back where the window was
// closed: QObject::deleteLater waits for exactly that.
class ClosedWindow final : public QObject {
public:
    explicit ClosedWindow(std::shared_ptr<Window> window) : QObject(qApp), window_(std::move(window)) {}
    ~ClosedWindow() override
    {
        AtRest rest;
        window_.reset();
    }

private:
    std::shared_ptr<Window> window_;
};

// Hands a closed window to the event loop, which destroys it once the events
// that closed it have returned.
void DestroyLater(std::shared_ptr<Window> window)
{
    (new ClosedWindow(std::move(window)))->deleteLater();
}

} // namespace

// --- Opening ------------------------------------------------------------

// Before any code of its own runs, a window under construction is open, the
// instance of its class and the front window.
void WindowPrivate::Register()
{
    auto& s = State();
    auto self = q.shared_from_this();
    Observe([this](Observer& o) { o.WindowConstructed(className); });
    s.implicitWindows[className] = self;
    s.openWindows.insert(s.openWindows.begin(), self);
    open = true;
}

void BringToFront(Window& window)
{
    auto& list = State().openWindows;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->get() == &window) {
            auto keep = *it;
            list.erase(it);
            list.insert(list.begin(), std::move(keep));
            return;
        }
    }
}

Ref<Window> GetImplicitWindow(std::string_view className)
{
    auto& windows = State().implicitWindows;
    if (auto it = windows.find(className); it != windows.end())
        return Ref<Window>(it->second.lock());
    return {};
}

// --- Closing ------------------------------------------------------------

void WindowPrivate::UnifiedClose()
{
    if (!open)
        return;
    open = false;
    closing = true;
    auto& s = State();
    std::shared_ptr<Window> self;
    for (auto it = s.openWindows.begin(); it != s.openWindows.end(); ++it) {
        if (it->get() == &q) {
            self = *it;
            s.openWindows.erase(it);
            break;
        }
    }
    if (auto it = s.implicitWindows.find(className); it != s.implicitWindows.end()) {
        if (it->second.lock().get() == &q)
            s.implicitWindows.erase(it);
    }
    if (widget && widget->isVisible())
        widget->close();
    if (self)
        DestroyLater(std::move(self));
}

// --- Destruction --------------------------------------------------------

Window::~Window()
{
    Observe([this](Observer& o) { o.WindowDestroyed(d_->className); });
}

WindowPrivate::~WindowPrivate()
{
    if (!widget)
        return;
    // Nothing of the toolkit may call into this window once it has gone.
    widget->owner = nullptr;
    QObject::disconnect(qApp, nullptr, widget, nullptr);
    for (QObject* sender : widget->findChildren<QObject*>())
        QObject::disconnect(sender, nullptr, widget, nullptr);
    widget->hide();
    // A window destroyed by the loop takes its widgets with it. One that was
    // held past that may go inside an event of its own: the loop deletes its
    // widgets later.
    if (State().atRest)
        delete widget;
    else
        widget->deleteLater();
}

// --- At exit ------------------------------------------------------------

void FinalizeWindows()
{
    auto& s = State();
    // Windows go first, while the toolkit still runs: the loop has ended, so
    // no event of theirs is running.
    {
        AtRest rest;
        std::vector<std::shared_ptr<Window>> windows;
        windows.swap(s.openWindows);
        s.implicitWindows.clear();
    }
    // Then what was handed to the loop: closed windows, and the widgets of
    // windows that someone held past their close.
    for (int pass = 0; pass < 2; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace rt
