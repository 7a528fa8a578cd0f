// Shared helpers of the tests: run the whole program in-process, with a
// script driving it from inside its own event loop, and answer its dialogs.
#pragma once

#include "rt/Testing.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace vxtest {

// Runs EntryRoutine(); the script runs once the event loop has started. When
// the script returns and the program has not quit, it is made to quit with
// status 99, so a failed step never hangs the run. Returns the exit status.
//
// A modal widget blocks the script until someone answers it, and only a
// poll (PollModal, OnNextModal, DialogAnswerer) can. So while the program
// runs, a modal widget that stays up with no poll waiting for it, or one
// left open once its poll has ended, fails the running test within about a
// second, naming what it shows, and is closed.
int RunProgram(const std::function<void()>& script);

// Calls poll every few milliseconds with the active modal widget, or nullptr
// while none is shown, from a timer, so that it also runs inside a modal loop.
// Polling ends when poll returns false or when owner goes; until then the
// modal widgets that come up are this poll's to answer.
void PollModal(QObject* owner, std::function<bool(QWidget* modal)> poll);

// Calls handler on the next modal widget that appears during this run. A
// handler that checks what it found should close the widget first: a failed
// check returns at once.
void OnNextModal(std::function<void(QWidget*)> handler);

// Arms a one-shot answer for the next message box: records its text in
// *text and clicks OK. Anything else that comes up is closed.
std::shared_ptr<QString> AnswerNextMessageBox();

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

// The top-level widget of a runtime window, or of the open window of that class.
QWidget* WidgetOf(const std::string& className);
rt::Ref<rt::Window> OpenWindow(const std::string& className);
// Titles of the open windows, front first.
QStringList OpenTitles();

// Triggers the named menu item of a window as a user choosing it would:
// its menu is enabled first, and a disabled item does nothing.
bool ChooseMenuItem(rt::Window& window, const std::string& itemName);

// The content area of a window: its size excludes the menu bar and frame.
QWidget* ContentOf(const rt::Window& window);

QString TextOf(const rt::TextArea& area);
// Whether the canvas shows nothing but its background.
bool ShowsNothing(const rt::Canvas& canvas);

// The runtime's lifecycle record ("construct Window1.Window1", ...), in order.
QStringList LifecycleLog();

// Fails the current test if any top-level widget is left over once the
// deferred deletes have run, hidden ones included. Each is reported once.
void CheckNoWindowsLeft();

} // namespace vxtest
