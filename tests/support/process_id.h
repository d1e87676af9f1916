#pragma once

// The number of the running test process, for file names that must differ between processes.
int CurrentProcessId();
