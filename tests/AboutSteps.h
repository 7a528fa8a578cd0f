// Steps shared by the About tests: open the About window as a user would,
// read what its text names, and bring a cheat window up beside it.
#pragma once

#include "ProgramTest.h"
#include "Window3.h"

namespace vxtest {

// Chooses About in the open main window and returns the About window once it
// is active, or nothing.
rt::Ref<Window3> OpenAbout();

// Opens the cheat window "Duskvale 1 Play Station" from the main window.
rt::Ref<rt::Window> OpenCheatWindow();

// The host name that the About text's third line names.
QString HostNamedIn(const QString& aboutText);

} // namespace vxtest
