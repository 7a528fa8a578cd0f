// Start-up of a bare Qt program that builds the main window directly: from
// process start to the window's first paint, then a normal exit.
#include "BareWindows.h"
#include "StartupReport.h"

#include <QApplication>

namespace {
int g_argc = 1;
char g_arg0[] = "vexorin";
char* g_argv[] = {g_arg0, nullptr};
} // namespace

int main()
{
    bench::LaunchNs();
    bench::Times().mainNs = bench::NowNs();
    bench::QuitProgram() = [] { QCoreApplication::exit(0); };
    qAddPreRoutine(bench::WatchMainWindowFirstPaint);
    int status = 0;
    {
        QApplication app(g_argc, g_argv);
        bare::MainWindow main = bare::BuildMainWindow();
        bare::ShowWindow(main.window);
        status = QApplication::exec();
        delete main.window;
    }
    bench::PrintStartup(status);
    return status;
}
