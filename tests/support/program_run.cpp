#include "support/program_run.h"

std::string ExecutableFileName(const std::string& name) {
    return name + STAMPADOC_EXECUTABLE_SUFFIX;
}
