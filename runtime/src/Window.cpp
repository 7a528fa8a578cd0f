#include "ControlKinds.h"
#include "Private.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace rt {

namespace {

// The stored colour counts only while HasBackColor is set. Otherwise the
// window shows the system's background, and so must the controls that fill
// theirs from the window's palette: an opaque label would stand out as a
// box of the unused colour.
void ApplyBackground(WindowPrivate& w)
{
    const auto has = w.stored.find("HasBackColor");
    const auto colour = w.stored.find("BackColor");
    const bool own = has != w.stored.end() && std::get<bool>(has->second) && colour != w.stored.end();
    if (own) {
        const auto c = std::get<Color>(colour->second);
        QPalette p = w.content->palette();
        p.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
        w.content->setPalette(p);
    } else {
        w.content->setPalette(QPalette());
    }
    w.content->setAutoFillBackground(own);
}

const PropertyTable<WindowPrivate>& WindowTable()
{
    using P = PropertyRows<WindowPrivate>;
    // Where several properties share one effect (the frame's buttons, the
    // background), the setters mark it and the window applies it once.
    static const PropertyTable<WindowPrivate> table({
        P::Set<std::int32_t>("Placement", [](WindowPrivate& w, std::int32_t code) { w.placement = code; }),
        P::Set<std::int32_t>("Width", [](WindowPrivate& w, std::int32_t width) { w.content->setFixedWidth(width); }),
        P::Set<std::int32_t>("Height", [](WindowPrivate& w, std::int32_t height) { w.content->setFixedHeight(height); }),
        P::Keep<std::int32_t>("MinWidth"),
        P::Keep<std::int32_t>("MinHeight"),
        P::Keep<std::int32_t>("MaxWidth"),
        P::Keep<std::int32_t>("MaxHeight"),
        P::Keep<std::int32_t>("Frame"), // 9: an ordinary document window, the toolkit's default frame
        P::Keep<bool>("Composite"),
        P::Set<bool>("HasBackColor", [](WindowPrivate& w, bool) { w.backgroundPending = true; }),
        P::Set<Color>("BackColor", [](WindowPrivate& w, Color) { w.backgroundPending = true; }),
        P::Set<const std::string&>("Title",
                                   [](WindowPrivate& w, const std::string& title) {
                                       w.widget->setWindowTitle(QString::fromStdString(title));
                                   }),
        P::Set<bool>("Visible", [](WindowPrivate& w, bool on) { w.visible = on; }),
        P::Keep<bool>("FullScreen"),
        P::Set<bool>("MenuBarVisible", [](WindowPrivate& w, bool on) { w.menuBar->setVisible(on); }),
        P::Set<bool>("CloseButton",
                     [](WindowPrivate& w, bool on) {
                         w.closeButton = on;
                         w.flagsPending = true;
                     }),
        P::Keep<bool>("Resizeable"), // the content area always keeps its stored size
        P::Keep<bool>("LiveResize"),
        P::Set<bool>("MaximizeButton",
                     [](WindowPrivate& w, bool on) {
                         w.maximizeButton = on;
                         w.flagsPending = true;
                     }),
        P::Set<bool>("MinimizeButton",
                     [](WindowPrivate& w, bool on) {
                         w.minimizeButton = on;
                         w.flagsPending = true;
                     }),
        P::Keep<std::int32_t>("MacProcID"),
    });
    return table;
}

} // namespace

// --- WindowWidget -------------------------------------------------------

WindowWidget::WindowWidget(WindowPrivate& o) : owner(&o) {}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    if (!owner || owner->closing) {
        event->accept();
        return;
    }
    // A window without a close box refuses every close request from outside.
    if (!owner->closeButton) {
        event->ignore();
        return;
    }
    owner->UnifiedClose();
    event->accept();
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    // Only keys that no control used arrive here.
    if (owner && event->modifiers() == Qt::NoModifier) {
        const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const bool isEscape = event->key() == Qt::Key_Escape;
        if (isReturn || isEscape) {
            if (auto button = owner->ButtonWhere(isReturn)) {
                event->accept();
                button->Push();
                return;
            }
        }
    } else if (owner && event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter) {
        if (auto button = owner->ButtonWhere(true)) {
            event->accept();
            button->Push();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void WindowWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && owner)
        BringToFront(owner->q);
    QWidget::changeEvent(event);
}

// --- WindowPrivate ------------------------------------------------------

WindowPrivate::WindowPrivate(Window& window, std::string name) : q(window), className(std::move(name))
{
    widget = new WindowWidget(*this);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar = new QMenuBar(widget);
    // Every window shows its own menu bar, also where the desktop offers a global one.
    menuBar->setNativeMenuBar(false);
    layout->setMenuBar(menuBar);
    content = new QWidget(widget);
    content->setFixedSize(0, 0);
    layout->addWidget(content);
    ApplyWindowFlags();
    QObject::connect(qApp, &QApplication::focusChanged, widget, [w = widget.data()](QWidget* old, QWidget* now) {
        if (!w->owner)
            return;
        if ((old && old->window() == w) || (now && now->window() == w))
            w->owner->FocusChanged(now);
    });
}

void WindowPrivate::FinishProperties()
{
    if (flagsPending)
        ApplyWindowFlags();
    if (backgroundPending)
        ApplyBackground(*this);
    flagsPending = backgroundPending = false;
}

void WindowPrivate::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    widget->setWindowFlags(flags);
}

Ref<PushButton> WindowPrivate::ButtonWhere(bool defaultButton) const
{
    for (const auto& [name, control] : controls) {
        auto button = std::dynamic_pointer_cast<PushButton>(control.Shared());
        if (!button)
            continue;
        const bool match = defaultButton ? button->Default() : button->Cancel();
        if (match && button->Enabled() && button->Visible())
            return Ref<PushButton>(button);
    }
    return {};
}

void WindowPrivate::ApplyKeyboardOrder()
{
    std::vector<std::pair<int, ControlPrivate*>> sorted;
    for (const auto& [name, control] : controls) {
        auto& cp = *control->d_;
        if (cp.widget && cp.widget->focusPolicy() != Qt::NoFocus)
            sorted.emplace_back(cp.tabIndex, &cp);
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < sorted.size(); ++i)
        QWidget::setTabOrder(sorted[i - 1].second->widget, sorted[i].second->widget);

    // The keyboard starts on the first control in that order that takes it,
    // passing over push buttons as long as another control takes it: a button
    // is pressed with a click or its key, while the text or the choice beside
    // it is what the keys are for. Tab still reaches the button.
    QWidget* first = nullptr;
    for (const auto& [index, cp] : sorted) {
        QWidget* candidate = cp->widget;
        if (!(candidate->focusPolicy() & Qt::TabFocus) || !candidate->isEnabled() || !candidate->isVisibleTo(widget))
            continue;
        if (&cp->kind != &PushButtonKind()) {
            first = candidate;
            break;
        }
        if (!first)
            first = candidate;
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

void WindowPrivate::Place()
{
    if (placed)
        return;
    placed = true;
    widget->adjustSize();
    if (placement == 2) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize size = widget->frameGeometry().size();
            widget->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
        }
    }
}

// --- Window -------------------------------------------------------------

Window::Window(std::string className) : d_(std::make_unique<WindowPrivate>(*this, std::move(className))) {}

const std::string& Window::ClassName() const
{
    return d_->className;
}

void Window::Construct()
{
    d_->Register();
    try {
        Layout();
        CreateControls();
        AddMenuHandlers(*this);
        d_->ApplyKeyboardOrder();
        d_->contentsChanged = false;
        for (const auto& [name, control] : d_->controls)
            control->d_->Raise(Event::Open);
        // Handlers are registered only here: the menu's states are right from now on.
        d_->UpdateMenus();
    } catch (...) {
        d_->UnifiedClose();
        throw;
    }
    if (d_->visible)
        Show();
}

void Window::Show()
{
    if (!d_->open)
        return;
    d_->Place();
    QWidget& widget = *d_->widget;
    // A window the user minimised comes back: on X11 clearing the state
    // maps it again, and only a mapped window can be raised and activated.
    if (widget.isMinimized())
        widget.setWindowState(widget.windowState() & ~Qt::WindowMinimized);
    widget.show();
    widget.raise();
    widget.activateWindow();
    BringToFront(*this);
}

void Window::Close()
{
    d_->UnifiedClose();
}

bool Window::IsOpen() const
{
    return d_->open;
}

void Window::SetMenuBar(Ref<rt::MenuBar> bar)
{
    d_->bar = std::move(bar);
    d_->BuildMenuBar();
}

Ref<MenuBar> Window::MenuBar() const
{
    return d_->bar;
}

void Window::SetProperties(const Properties& list)
{
    ApplyProperties(*d_, "Window", d_->stored, WindowTable(), list);
}

std::optional<Value> Window::PropertyValue(std::string_view name) const
{
    if (auto it = d_->stored.find(name); it != d_->stored.end())
        return it->second;
    return std::nullopt;
}

std::string Window::Title() const
{
    return d_->widget->windowTitle().toStdString();
}

int Window::Width() const
{
    return d_->content->width();
}

int Window::Height() const
{
    return d_->content->height();
}

bool Window::ContentsChanged() const
{
    return d_->contentsChanged;
}

void Window::AddControl(const std::string& name, const Ref<Control>& control)
{
    // A second control under a taken name would be unreachable by name, and
    // its design would land on the first.
    if (ControlByName(name))
        throw RuntimeException("window " + d_->className + " already has a control named \"" + name + "\"");
    control->d_->name = name;
    control->d_->widget->setObjectName(QString::fromStdString(name));
    d_->controls.emplace_back(name, control);
}

Ref<Control> Window::ControlByName(std::string_view name) const
{
    for (const auto& [n, control] : d_->controls) {
        if (n == name)
            return control;
    }
    return {};
}

void Window::RegisterMenuHandler(const std::string& itemName, std::function<bool()> handler)
{
    d_->menuHandlers[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(std::string_view itemName) const
{
    return d_->menuHandlers.count(itemName) > 0;
}

} // namespace rt
