// "View" in the real program: EntryRoutine() as main() runs it; once the main
// window is up, the game and platform rows are chosen and "View" is pressed
// as a click would, timing Window20 until its first paint, then "Close".
#include "CheatWindow.h"
#include "Program.h"
#include "ViewLoop.h"
#include "Window1.h"

#include "rt/Application.h"
#include "rt/Window.h"

namespace {

const QString kMainTitle = QStringLiteral("Vexorin 2.1");
const QString kCheatTitle = QStringLiteral("Duskvale SKH Play Station");
int g_iterations = 50;
int g_checkpoint = 0;
rt::Ref<rt::PushButton> g_view;

void StartViewLoop()
{
    bench::ViewHooks hooks;
    hooks.select = [] {
        auto main = Window1::Instance();
        main->PopupMenu1()->SetListIndex(6);
        main->PopupMenu2()->SetListIndex(2);
        g_view = main->PushButton1();
    };
    hooks.click = [] { g_view->Push(); };
    hooks.cheatOpen = [] { return bench::TopLevelExists(kCheatTitle); };
    hooks.closeCheat = [] {
        auto cheat = rt::CheckCast<Window20>(rt::GetImplicitWindow(Window20::kClassName));
        if (cheat)
            cheat->PushButton2()->Push();
    };
    hooks.quit = [](int code) {
        g_view.Clear();
        rt::Quit(code);
    };
    new bench::ViewLoop(g_iterations, g_checkpoint, kMainTitle, kCheatTitle, std::move(hooks));
}

} // namespace

int main(int argc, char** argv)
{
    g_iterations = bench::IterationsFrom(argc, argv);
    g_checkpoint = bench::CheckpointFrom(argc, argv);
    qAddPreRoutine(StartViewLoop);
    return EntryRoutine();
}
