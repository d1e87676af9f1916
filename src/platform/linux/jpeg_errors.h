#pragma once

// libjpeg's error handling for our decoders: a fatal error jumps back to the decoder's setjmp point
// instead of ending the process, and messages are not printed.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] inline void jumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

inline void ignoreMessage(j_common_ptr) {}
