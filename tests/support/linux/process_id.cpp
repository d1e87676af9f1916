#include "support/process_id.h"

#include <unistd.h>

int CurrentProcessId() {
    return static_cast<int>(::getpid());
}
