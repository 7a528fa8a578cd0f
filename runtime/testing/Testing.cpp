#include "rt/Testing.h"

#include "Private.h"

#include <QAction>

namespace rt::testing {

QWidget* WidgetOf(const Window& window)
{
    return Internals::Of(window).widget.data();
}

QWidget* WidgetOf(const Control& control)
{
    return &Internals::Of(control).Widget();
}

QImage ImageOf(const Picture& picture)
{
    return Internals::Of(picture).image;
}

Ref<Picture> PictureOf(QImage image)
{
    return PicturePrivate::FromImage(std::move(image));
}

QAction* ActionOf(const Window& window, const std::string& itemName)
{
    for (const auto& entry : Internals::Of(window).actions) {
        if (entry.item->Name() == itemName)
            return entry.action;
    }
    return nullptr;
}

void UpdateMenus(Window& window)
{
    Internals::Of(window).UpdateMenus();
}

std::vector<Ref<Window>> OpenWindows()
{
    std::vector<Ref<Window>> list;
    for (const auto& w : State().openWindows)
        list.emplace_back(w);
    return list;
}

namespace {

// Keeps what the runtime tells since its last start, for the tests to read.
class Recorder final : public Observer {
public:
    Recorder() { SetObserver(this); }
    ~Recorder() override { SetObserver(nullptr); }

    void RuntimeStarted() override
    {
        lifecycle.clear();
        registry.clear();
    }
    void WindowConstructed(std::string_view className) override { Note("construct", className); }
    void WindowDestroyed(std::string_view className) override { Note("destroy", className); }
    void TypeRegistered(const RegistryEntry& type) override
    {
        Note("register", type.name);
        registry.push_back({"register", type.name, type.creator, type.type, type.extensions});
    }
    void TypeWithdrawn(std::string_view name) override
    {
        Note("withdraw", name);
        registry.push_back({"withdraw", std::string(name), {}, {}, {}});
    }
    void MenuBarReleased(std::string_view className) override { Note("release", className); }

    std::vector<std::string> lifecycle;
    std::vector<Registration> registry;

private:
    void Note(std::string_view event, std::string_view name)
    {
        lifecycle.push_back(std::string(event) + ' ' + std::string(name));
    }
};

Recorder g_recorder;

} // namespace

std::vector<Registration> RegistryLog()
{
    return g_recorder.registry;
}

std::vector<std::string> LifecycleLog()
{
    return g_recorder.lifecycle;
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
