#include "platform/byte_output.h"

// Linux writes bytes as they are.
void WriteStandardOutputAsBytes() {}
