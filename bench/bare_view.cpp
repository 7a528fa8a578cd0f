// "View" in a bare Qt program: the same main window and the same cheat
// window with the same text, built directly with Qt widgets on each click.
#include "BareWindows.h"
#include "ViewLoop.h"

#include "CheatWindow.h"

#include <QApplication>
#include <QPointer>

namespace {
int g_argc = 1;
char g_arg0[] = "vexorin";
char* g_argv[] = {g_arg0, nullptr};
const QString kMainTitle = QStringLiteral("Vexorin 2.1");
const QString kCheatTitle = QStringLiteral("Duskvale SKH Play Station");
} // namespace

int main(int argc, char** argv)
{
    const int iterations = bench::IterationsFrom(argc, argv);
    const int checkpoint = bench::CheckpointFrom(argc, argv);
    int status = 0;
    {
        QApplication app(g_argc, g_argv);
        bare::MainWindow main = bare::BuildMainWindow();
        QPointer<QWidget> cheat;
        QObject::connect(main.view, &QPushButton::clicked, main.view, [&main, &cheat] {
            if (main.game->currentText().compare(QStringLiteral("Duskvale Skarnholt"), Qt::CaseInsensitive) != 0
                || main.platform->currentText().compare(QStringLiteral("Play Station"), Qt::CaseInsensitive) != 0)
                return;
            if (!cheat) {
                const std::string_view text = CheatText(14);
                cheat = bare::BuildCheatWindow(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            }
            bare::ShowWindow(cheat);
        });

        bench::ViewHooks hooks;
        hooks.select = [&main] {
            main.game->setCurrentIndex(6);
            main.platform->setCurrentIndex(2);
        };
        hooks.click = [&main] { main.view->click(); };
        hooks.cheatOpen = [] { return bench::TopLevelExists(kCheatTitle); };
        hooks.closeCheat = [&cheat] {
            if (cheat)
                cheat->findChild<QPushButton*>()->click();
        };
        hooks.quit = [](int code) { QCoreApplication::exit(code); };
        new bench::ViewLoop(iterations, checkpoint, kMainTitle, kCheatTitle, std::move(hooks));

        bare::ShowWindow(main.window);
        status = QApplication::exec();
        delete cheat;
        delete main.window;
    }
    return status;
}
