// Start-up of the real program: EntryRoutine() exactly as main() runs it,
// creating its own application; a pre-routine watches for the main window's
// first paint and quits the program through the runtime.
#include "Program.h"
#include "StartupReport.h"

#include "rt/Application.h"

int main()
{
    bench::LaunchNs();
    bench::Times().mainNs = bench::NowNs();
    bench::QuitProgram() = [] { rt::Quit(0); };
    qAddPreRoutine(bench::WatchMainWindowFirstPaint);
    const int status = EntryRoutine();
    bench::PrintStartup(status);
    return status;
}
