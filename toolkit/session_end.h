#pragma once

// Ends the program at once, with exit code 0, when the session ends: SIGTERM
// (log-off, shutdown), SIGHUP (the terminal or session went away) or SIGINT.
// The signal handler only writes to a pipe; the event loop reads it. Call
// once, after the application object exists.
void EndProgramOnSessionEnd();
