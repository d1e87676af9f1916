#include "support/process_id.h"

#include <process.h>

int CurrentProcessId() {
    return _getpid();
}
