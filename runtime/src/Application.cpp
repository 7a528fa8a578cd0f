#include "Private.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace rt {

RuntimeException::RuntimeException(const std::string& message) : std::runtime_error(message) {}
NilObjectException::NilObjectException() : RuntimeException("a missing object was used") {}
NilObjectException::NilObjectException(const std::string& message) : RuntimeException(message) {}
IllegalCastException::IllegalCastException(const std::string& message) : RuntimeException(message) {}

void RaiseNilObjectException()
{
    throw NilObjectException();
}

int RuntimeStringCompare(std::string_view a, std::string_view b)
{
    // Plain ASCII, the common case, needs no conversion.
    auto ascii = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    if (ascii(a) && ascii(b)) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            if (lower(a[i]) != lower(b[i]))
                return lower(a[i]) < lower(b[i]) ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
    }
    const QString qa = QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    const QString qb = QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    return qa.compare(qb, Qt::CaseInsensitive);
}

std::size_t Len(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

std::string KindName(std::size_t kind)
{
    switch (kind) {
    case 0: return "a Boolean";
    case 1: return "an integer";
    case 2: return "a colour";
    default: return "a string";
    }
}

RuntimeState& State()
{
    static RuntimeState state;
    return state;
}

void LogLifecycle(std::string entry)
{
    // A record of the recent past, not a history: it must not grow with a long run.
    auto& log = State().lifecycleLog;
    if (log.size() >= 4096)
        log.erase(log.begin(), log.begin() + 1024);
    log.push_back(std::move(entry));
}

Application::Application() = default;
Application::~Application() = default;

namespace {

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

int g_argc = 1;
char g_arg0[] = "vexorin";
char* g_argv[] = {g_arg0, nullptr};

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
        QMessageBox box(QMessageBox::Critical, QString(),
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
    // Past a file-size limit a write must fail (EFBIG) like any other, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    auto& s = State();
    if (!QCoreApplication::instance())
        s.ownedApp = std::make_unique<QApplication>(g_argc, g_argv);
    static QPointer<ShortcutFilter> filter;
    if (!filter) {
        filter = new ShortcutFilter(qApp);
        qApp->installEventFilter(filter);
    }
    s.helper = nullptr;
    s.app.Clear();
    s.quitRequested = false;
    s.exitCode = 0;
    s.foreign = nullptr;
    s.registryLog.clear();
    s.lifecycleLog.clear();
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
    // Windows go first, while the toolkit still runs; then what they left behind.
    std::vector<std::shared_ptr<Window>> windows;
    windows.swap(s.openWindows);
    for (auto& w : windows)
        w->Private().menuHandlers.clear();
    s.implicitWindows.clear();
    windows.clear();
    s.closedWindows.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowURL(const std::string& url)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void ScheduleClosedWindowDestruction()
{
    auto& s = State();
    if (s.destroyScheduled)
        return;
    s.destroyScheduled = true;
    QTimer::singleShot(0, qApp, [] {
        auto& st = State();
        st.destroyScheduled = false;
        std::vector<std::shared_ptr<Window>> dying;
        dying.swap(st.closedWindows);
    });
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

} // namespace rt
