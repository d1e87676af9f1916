#include "platform/byte_output.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void WriteStandardOutputAsBytes() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}
