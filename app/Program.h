// The program's outer frame: start-up, the event loop and module finalisation.
#pragma once

// Runs the whole program; returns the process's exit status.
int EntryRoutine();
