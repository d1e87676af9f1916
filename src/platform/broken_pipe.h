#pragma once

// A closed pipe on standard output must not end the process: writes to it fail instead, and the exit
// status stays the program's own. Called once at start.
void IgnoreBrokenPipe();
