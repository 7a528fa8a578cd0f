#include "Private.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include <signal.h>

namespace rt {

RuntimeState& State()
{
    // Made once and never destroyed. When the display goes away the toolkit
    // ends the process with exit() from inside the event loop; the windows
    // held here must not then be torn down after the toolkit's own statics.
    // On the ordinary way out, RuntimeFinalize and RuntimeExit empty it.
    static RuntimeState* const state = new RuntimeState;
    return *state;
}

namespace {
Observer* g_observer = nullptr;
} // namespace

void SetObserver(Observer* observer)
{
    g_observer = observer;
}

Observer* CurrentObserver()
{
    return g_observer;
}

Application::Application() = default;
Application::~Application() = default;

namespace {

int g_argc = 1;
char g_arg0[] = "vexorin";
char* g_argv[] = {g_arg0, nullptr};

// Untitled, a box would carry the executable's file name.
QString BoxTitle()
{
    return QStringLiteral("Vexorin");
}

// Without a display the toolkit prints a few warnings and then aborts with a
// fatal message that blames the installation. While the application object is
// being made its messages are held back: the fatal one becomes one plain line
// and status 1, and if all goes well the others pass on as they came.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> g_heldMessages;

// Why a window system chosen by hand would not start, in the toolkit's own
// words and on one line. The plugin's warnings say it best ("Failed to create
// wl_display", "Could not find the Qt platform plugin ..."); failing those,
// the note that a plugin was found but would not load; failing that, the fatal
// message itself, which is then a plugin's own, sent before anything else
// ("Could not find DRM device!"). The toolkit's closing verdict only comes
// after one of those notes, and its advice to reinstall explains nothing.
QString WindowSystemFailure(const QString& fatal)
{
    const auto join = [](std::initializer_list<QtMsgType> types) {
        QStringList texts;
        for (const auto& held : g_heldMessages) {
            const QString text = held.text.simplified();
            if (!text.isEmpty() && std::find(types.begin(), types.end(), held.type) != types.end())
                texts << text;
        }
        return texts.join(QStringLiteral("; "));
    };
    QString reason = join({QtWarningMsg, QtCriticalMsg});
    if (reason.isEmpty())
        reason = join({QtInfoMsg});
    if (reason.isEmpty())
        reason = fatal.simplified();
    return reason;
}

[[noreturn]] void NoWindowSystem(const QString& fatal)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    // A window system chosen by hand may have failed for reasons of its own.
    if (!platform.isEmpty() && !platform.startsWith("xcb")) {
        const QByteArray reason = WindowSystemFailure(fatal).toLocal8Bit();
        std::fprintf(stderr, "vexorin: cannot start the window system \"%s\"%s%s\n", platform.constData(),
                     reason.isEmpty() ? "" : ": ", reason.constData());
    } else if (display.isEmpty()) {
        std::fputs("vexorin: no display: DISPLAY is not set\n", stderr);
    } else {
        std::fprintf(stderr, "vexorin: cannot open the display \"%s\"\n", display.constData());
    }
    std::fflush(stderr);
    // Nothing half-made is worth tearing down.
    std::_Exit(1);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        NoWindowSystem(text);
    g_heldMessages.push_back({type, QByteArray(context.category), text});
}

std::unique_ptr<QApplication> MakeApplication()
{
    const QtMessageHandler passOn = qInstallMessageHandler(HoldMessage);
    auto app = std::make_unique<QApplication>(g_argc, g_argv);
    qInstallMessageHandler(passOn);
    for (const auto& held : g_heldMessages) {
        const char* category = held.category.isNull() ? nullptr : held.category.constData();
        const QMessageLogContext context(nullptr, 0, nullptr, category);
        passOn(held.type, context, held.text);
    }
    g_heldMessages.clear();
    return app;
}

void NoOp(int) {}

// A write past a file-size limit (EFBIG), or to a connection whose other end
// has gone (EPIPE: the display's, when the X server dies before the toolkit
// notices), must fail like any other write, not end the process. A handler
// that does nothing turns both signals into such failures; unlike ignoring
// them, it is not handed on to the programs started from here.
void KeepWritesFromEndingTheProcess()
{
    struct sigaction action {};
    action.sa_handler = NoOp;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGPIPE, SIGXFSZ})
        sigaction(signal, &action, nullptr);
}

void ReportRuntimeException(const std::exception_ptr& handed)
{
    std::string className = "RuntimeException";
    std::string message;
    try {
        std::rethrow_exception(handed);
    } catch (const RuntimeException& e) {
        className = e.ClassName();
        message = e.what();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "unknown error";
    }
    std::fprintf(stderr, "vexorin: unhandled %s: %s\n", className.c_str(), message.c_str());
    auto& s = State();
    if (!s.quitRequested && !s.reporting) {
        s.reporting = true;
        QMessageBox box(QMessageBox::Critical, BoxTitle(),
                        QStringLiteral("An exception of class %1 was not handled. The application must shut down.")
                            .arg(QString::fromStdString(className)),
                        QMessageBox::Ok);
        box.setInformativeText(QString::fromStdString(message));
        box.exec();
        s.reporting = false;
    }
    Quit(1);
}

} // namespace

void RuntimeInit()
{
    KeepWritesFromEndingTheProcess();
    auto& s = State();
    if (!QCoreApplication::instance())
        s.ownedApp = MakeApplication();
    InstallShortcutFilter();
    InstallStyle();
    s.helper = nullptr;
    s.app.Clear();
    s.quitRequested = false;
    s.exitCode = 0;
    s.foreign = nullptr;
    Observe([](Observer& o) { o.RuntimeStarted(); });
}

void RuntimeSetExceptionHelper(ExceptionHelper helper)
{
    State().helper = std::move(helper);
}

void RunProgramCode(const std::function<void()>& code)
{
    auto& s = State();
    try {
        std::exception_ptr handed;
        if (s.helper)
            handed = s.helper(code);
        else
            code();
        if (handed)
            ReportRuntimeException(handed);
    } catch (...) {
        if (!s.foreign)
            s.foreign = std::current_exception();
        s.quitRequested = true;
        QCoreApplication::exit(1);
    }
}

void RunFrameworkInitialization(const std::function<void()>& startup)
{
    RunProgramCode(startup);
}

void RuntimeRegisterAppObject(Ref<Application> app)
{
    State().app = std::move(app);
}

Ref<Application> App()
{
    return State().app;
}

void RuntimeRun()
{
    auto& s = State();
    if (!s.quitRequested)
        QCoreApplication::exec();
    if (s.foreign) {
        auto e = s.foreign;
        s.foreign = nullptr;
        std::rethrow_exception(e);
    }
}

void UnhandledException(std::exception_ptr e)
{
    std::string message = "unknown exception";
    try {
        std::rethrow_exception(e);
    } catch (const RuntimeException& ex) {
        message = ex.ClassName() + ": " + ex.what();
    } catch (const std::exception& ex) {
        message = ex.what();
    } catch (...) {
    }
    std::fprintf(stderr, "vexorin: unhandled exception: %s\n", message.c_str());
    State().exitCode = 1;
}

void RuntimeFinalize()
{
    auto& s = State();
    FinalizeWindows();
    s.app.Clear();
    s.helper = nullptr;
}

int RuntimeExit()
{
    auto& s = State();
    const int code = s.exitCode;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.ownedApp.reset();
    return code;
}

void Quit(int code)
{
    auto& s = State();
    s.exitCode = code;
    s.quitRequested = true;
    QCoreApplication::exit(code);
}

void MsgBox(const std::string& text)
{
    // Over the window in front, modal to the whole program.
    QMessageBox box(QMessageBox::NoIcon, BoxTitle(), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowURL(const std::string& url)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace rt
