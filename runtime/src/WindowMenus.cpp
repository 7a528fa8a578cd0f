// A window's menu bar: built from the shared menu model, its items enabled
// for the window in front, and chosen items dispatched to the window's
// handlers or to the standard commands.
#include "EditCommands.h"
#include "Private.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace rt {

namespace {

QKeySequence ShortcutFor(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"));
    return QKeySequence::fromString(s, QKeySequence::PortableText);
}

// Sees every key before the focused control does, so that the front window's
// menu is enabled in time for a shortcut and its own commands win over a
// control that would claim the key.
class ShortcutFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        auto* top = dynamic_cast<WindowWidget*>(widget->window());
        if (!top || !top->owner)
            return false;
        top->owner->UpdateMenus();
        return top->owner->MenuClaimsShortcut(*static_cast<QKeyEvent*>(event));
    }
};

} // namespace

void InstallShortcutFilter()
{
    static QPointer<ShortcutFilter> filter;
    if (!filter) {
        filter = new ShortcutFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

void WindowPrivate::BuildMenuBar()
{
    menuBar->clear();
    actions.clear();
    if (!bar)
        return;
    const EditTarget target(FocusedTextArea());
    for (const auto& menuItem : bar->Children()) {
        QMenu* menu = menuBar->addMenu(QString::fromStdString(menuItem->Text()));
        QObject::connect(menu, &QMenu::aboutToShow, widget, [this] { UpdateMenus(); });
        for (const auto& item : menuItem->Children()) {
            if (item->IsSeparator()) {
                menu->addSeparator();
                continue;
            }
            MenuAction entry{nullptr, item, EditCommandFor(item->Name())};
            // Each item takes its state before it joins its menu and the
            // shortcut map: changed later, it would be announced to both.
            auto* action = new QAction(QString::fromStdString(item->Text()), menu);
            action->setEnabled(ItemEnabled(entry, target));
            action->setObjectName(QString::fromStdString(item->Name()));
            if (!item->KeyboardShortcut().empty())
                action->setShortcut(ShortcutFor(item->KeyboardShortcut()));
            if (item->IsQuitItem())
                action->setMenuRole(QAction::QuitRole);
            else if (item->IsAboutItem())
                action->setMenuRole(QAction::AboutRole);
            else
                action->setMenuRole(QAction::NoRole);
            menu->addAction(action);
            Ref<MenuItem> keep = item;
            QObject::connect(action, &QAction::triggered, widget, [this, keep] { TriggerItem(keep); });
            entry.action = action;
            actions.push_back(std::move(entry));
        }
    }
}

bool WindowPrivate::IsControl(const QWidget* candidate) const
{
    return candidate && candidate->window() == widget && candidate != menuBar && !menuBar->isAncestorOf(candidate);
}

QPlainTextEdit* WindowPrivate::FocusedTextArea() const
{
    // The menu bar takes the keyboard while a menu is used from the keys, and
    // keeps it after Escape: the focused control is still the one the user left.
    QWidget* focus = widget->focusWidget();
    if (!IsControl(focus))
        focus = focusedControl;
    return qobject_cast<QPlainTextEdit*>(focus);
}

void WindowPrivate::FocusChanged(QWidget* now)
{
    if (IsControl(now))
        focusedControl = now;
    UpdateMenus();
}

void WindowPrivate::UpdateMenus()
{
    // Runs on every change of focus or selection: the text area is read once,
    // and an item whose state stays as it is costs the toolkit nothing.
    const EditTarget target(FocusedTextArea());
    for (const auto& entry : actions)
        entry.action->setEnabled(ItemEnabled(entry, target));
}

bool WindowPrivate::ItemEnabled(const MenuAction& entry, const EditTarget& target) const
{
    const MenuItem& item = *entry.item;
    if (item.IsQuitItem())
        return true;
    if (item.AutoEnable() && menuHandlers.count(item.Name()))
        return true;
    return target.Applies(entry.command);
}

bool WindowPrivate::MenuClaimsShortcut(const QKeyEvent& event)
{
    const QKeySequence pressed(event.keyCombination());
    for (const auto& entry : actions) {
        const QAction& action = *entry.action;
        if (!action.isEnabled() || action.shortcut().isEmpty())
            continue;
        if (action.shortcut().matches(pressed) != QKeySequence::ExactMatch)
            continue;
        return entry.item->IsQuitItem() || menuHandlers.count(entry.item->Name()) > 0
               || entry.command != EditCommand::None;
    }
    return false;
}

void WindowPrivate::TriggerItem(const Ref<MenuItem>& item)
{
    if (auto it = menuHandlers.find(item->Name()); it != menuHandlers.end()) {
        auto handler = it->second;
        RunProgramCode([&handler] { (void)handler(); });
        return;
    }
    if (item->IsQuitItem()) {
        Quit(0);
        return;
    }
    if (const auto command = EditCommandFor(item->Name()); command != EditCommand::None)
        RunEdit(command, FocusedTextArea());
}

} // namespace rt
