// The bare counterparts of the program's main window and of its largest
// cheat window, built directly with Qt widgets: the same widgets, texts,
// sizes, positions, fonts and menu bar, and nothing of the runtime.
#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

namespace bare {

struct MainWindow {
    QWidget* window = nullptr;
    QComboBox* game = nullptr;
    QComboBox* platform = nullptr;
    QPushButton* view = nullptr;
    QPushButton* quit = nullptr;
};

// Builds the main window "Vexorin 2.1", centred on the primary screen; not shown.
MainWindow BuildMainWindow();

// Builds the cheat window "Duskvale SKH Play Station" with its text; not shown.
// It deletes itself when closed.
QWidget* BuildCheatWindow(const QString& text);

// Shows a window, brings it to the front and activates it.
void ShowWindow(QWidget* window);

} // namespace bare
