// Steps shared by the About tests: open the About window as a user would,
// and answer the save dialog and the message boxes that come with saving.
#pragma once

#include "ProgramTest.h"
#include "Window3.h"

#include <QDir>
#include <QFileDialog>
#include <QObject>
#include <QPointer>

#include <functional>

namespace vxtest {

// Chooses About in the open main window and returns the About window once it
// is active, or nothing.
rt::Ref<Window3> OpenAbout();

// Opens the cheat window "Duskvale 1 Play Station" from the main window.
rt::Ref<rt::Window> OpenCheatWindow();

QString TextOf(const rt::TextArea& area);
// The host name that the About text's third line names.
QString HostNamedIn(const QString& aboutText);

// While it lives, answers every modal dialog that comes up: the save dialog
// through the given step, the save dialog's question whether to replace a
// file with Yes, and any other message box with OK, recording what each said.
// Only one may live at a time: two would race for the same dialog.
class DialogAnswerer {
public:
    // Prepares the save dialog (its folder, its name field); returns true to
    // save, false to cancel.
    using SaveStep = std::function<bool(QFileDialog&)>;
    explicit DialogAnswerer(SaveStep step);

    QStringList proposedNames; // the name field of each save dialog as it came up
    QStringList questions;     // what the save dialog asked
    QStringList messages;      // every other message box

private:
    void Answer(QWidget* modal);
    SaveStep step_;
    QPointer<QWidget> answered_;
    int patience_ = 0;
    QObject polling_; // ends the polling when the answerer goes
};

// The names in the folder, sorted.
QStringList Entries(const QDir& dir);
QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);
// Whether the canvas shows nothing but its background.
bool ShowsNothing(const rt::Canvas& canvas);

} // namespace vxtest
