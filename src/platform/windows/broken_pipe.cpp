#include "platform/broken_pipe.h"

// Windows raises no signal for a closed pipe: the write fails and the program goes on.
void IgnoreBrokenPipe() {}
