// Renders the program's windows offscreen to PNG files, for the README.
// Usage: screenshots OUTPUT_FOLDER
#include "CheatWindow.h"
#include "Program.h"
#include "Window1.h"
#include "Window3.h"
#include "Window4.h"

#include "rt/Application.h"
#include "rt/Testing.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

bool Save(const rt::Window& window, const QString& path)
{
    QWidget* widget = rt::testing::WidgetOf(window);
    widget->repaint();
    QApplication::processEvents();
    const bool ok = widget->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    bool ok = true;
    QTimer::singleShot(0, &app, [&] {
        auto main = Window1::Instance();
        ok &= Save(*main, out + "/main-window.png");
        main->PopupMenu1()->SetListIndex(6);
        main->PopupMenu2()->SetListIndex(2);
        main->PushButton1()->Push();
        ok &= Save(*Window20::Instance(), out + "/cheat-window.png");
        Window20::Instance()->Close();
        Window3::Instance()->Show();
        ok &= Save(*Window3::Instance(), out + "/about-window.png");
        Window3::Instance()->PushButton2()->Push(); // "V H"
        ok &= Save(*Window4::Instance(), out + "/version-history.png");
        rt::Quit(ok ? 0 : 1);
    });
    return EntryRoutine();
}
