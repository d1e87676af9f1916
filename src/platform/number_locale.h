#pragma once

// Sets the process-wide number separators (util/numbers.h) from the user's locale: its decimal
// separator, or "." when it has none; its thousands separator, or none. Separators without a
// Windows-1252 form are dropped; a refused pair falls back to "." and none. Called once at start.
void InitNumberSeparatorsFromLocale();
