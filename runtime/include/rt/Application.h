// The application object, the event loop and the system services around it.
#pragma once

#include "rt/Core.h"

#include <exception>
#include <functional>
#include <string>

namespace rt {

class MenuBar;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void SetMenuBar(Ref<rt::MenuBar> bar) { menuBar_ = std::move(bar); }
    Ref<rt::MenuBar> MenuBar() const { return menuBar_; }

private:
    Ref<rt::MenuBar> menuBar_;
};

// The function through which the runtime runs every piece of program code:
// it calls the given code and hands back a RuntimeException that escaped it
// (as an exception_ptr), or nothing. Any other exception passes through.
using ExceptionHelper = std::function<std::exception_ptr(const std::function<void()>&)>;

void RuntimeInit();
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// Runs the start-up routine through the exception helper.
void RunFrameworkInitialization(const std::function<void()>& startup);
void RuntimeRegisterAppObject(Ref<Application> app);
Ref<Application> App();
// The event loop; returns once the program quits. An exception other than a
// RuntimeException that escaped program code is rethrown from here.
void RuntimeRun();
// Reports an exception that escaped the loop and sets the exit status to 1.
void UnhandledException(std::exception_ptr e);
// Module finalisation of the runtime's own tables: open windows, implicit
// instances and anything waiting to be destroyed.
void RuntimeFinalize();
// The exit status of the process.
int RuntimeExit();

// Ends the event loop with the given status, even while a window is open.
void Quit(int code = 0);
// A modal message box with one text and an OK button.
void MsgBox(const std::string& text);
// Hands a URL to the desktop's browser.
void ShowURL(const std::string& url);

} // namespace rt
