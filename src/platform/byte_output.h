#pragma once

// Standard output carries the program's bytes as they are: Windows would otherwise write "\n" as CR LF,
// and page texts must read the same on every platform. Called once at start.
void WriteStandardOutputAsBytes();
