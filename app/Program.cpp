#include "Program.h"

#include "FileTypes.h"
#include "MenuBar1.h"
#include "MenuBar3.h"
#include "Window1.h"
#include "Zarn.h"

#include "rt/Application.h"

namespace {

// The exception helper: hands back a RuntimeException that escapes the code;
// anything else passes on to the runtime.
std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& code)
{
    try {
        code();
    } catch (const rt::RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void InitFileTypes()
{
    FileTypes::Initialize();
}

void NewAppInstance()
{
    rt::Ref<Zarn> app(std::make_shared<Zarn>());
    app->SetMenuBar(MenuBar1::Instance());
    rt::RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers()
{
    // The application object answers no menu item.
}

void MakeDefaultView()
{
    (void)Window1::Instance();
}

void Startup()
{
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

void Main()
{
    try {
        rt::RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
        rt::RunFrameworkInitialization(Startup);
        rt::RuntimeRun();
    } catch (...) {
        rt::UnhandledException(std::current_exception());
    }
}

void ModuleFinalization()
{
    rt::RuntimeFinalize();
    FileTypes::Release();
    MenuBar1::Release();
    MenuBar3::Release();
}

} // namespace

int EntryRoutine()
{
    rt::RuntimeInit();
    Main();
    ModuleFinalization();
    return rt::RuntimeExit();
}
