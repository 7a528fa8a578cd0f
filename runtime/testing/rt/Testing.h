// Test support: what the tests may see of the runtime's inside.
#pragma once

#include "rt/Application.h"
#include "rt/Controls.h"
#include "rt/Files.h"
#include "rt/Window.h"

#include <QImage>
#include <string>
#include <vector>

class QAction;
class QWidget;

namespace rt::testing {

QWidget* WidgetOf(const Window& window);
QWidget* WidgetOf(const Control& control);
QImage ImageOf(const Picture& picture);
Ref<Picture> PictureOf(QImage image);
// The toolkit action that shows the menu item of this name in the window.
QAction* ActionOf(const Window& window, const std::string& itemName);
// Enables the window's items as the runtime does before a menu opens.
void UpdateMenus(Window& window);
// Open windows, front first.
std::vector<Ref<Window>> OpenWindows();

struct Registration {
    std::string action; // "register" or "withdraw"
    std::string name;
    std::string creator;
    std::string type;
    std::string extensions;
};
// Document-type registrations and withdrawals since RuntimeInit, in order.
std::vector<Registration> RegistryLog();
// Since RuntimeInit, in order: "construct" and "destroy" of windows, "register"
// and "withdraw" of document types, "release" of menu bars, each with its name.
std::vector<std::string> LifecycleLog();
bool QuitRequested();
int ExitCode();

} // namespace rt::testing
