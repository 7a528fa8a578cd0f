#include "rt/Testing.h"

#include "Private.h"

#include <QAction>

namespace rt::testing {

QWidget* WidgetOf(const Window& window)
{
    return window.Private().widget.data();
}

QWidget* WidgetOf(const Control& control)
{
    return &control.Private().Widget();
}

QImage ImageOf(const Picture& picture)
{
    return picture.Private().image;
}

Ref<Picture> PictureOf(QImage image)
{
    return PicturePrivate::FromImage(std::move(image));
}

QAction* ActionOf(const Window& window, const std::string& itemName)
{
    for (auto& [action, item] : window.Private().actions) {
        if (item->Name() == itemName)
            return action;
    }
    return nullptr;
}

void UpdateMenus(const Window& window)
{
    window.Private().UpdateMenus();
}

std::vector<Ref<Window>> OpenWindows()
{
    std::vector<Ref<Window>> list;
    for (const auto& w : State().openWindows)
        list.emplace_back(w);
    return list;
}

std::vector<Registration> RegistryLog()
{
    std::vector<Registration> log;
    for (const auto& e : State().registryLog)
        log.push_back({e.action, e.name, e.creator, e.type, e.extensions});
    return log;
}

std::vector<std::string> LifecycleLog()
{
    return State().lifecycleLog;
}

bool QuitRequested()
{
    return State().quitRequested;
}

int ExitCode()
{
    return State().exitCode;
}

} // namespace rt::testing
