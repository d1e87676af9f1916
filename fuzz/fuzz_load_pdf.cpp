// Loads arbitrary bytes as a PDF file and, when that succeeds, saves the document again.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "pdf/toolkit.h"

namespace {

std::string TempName(const char* suffix) {
    return "/tmp/fuzz_load_pdf_" + std::to_string(::getpid()) + suffix;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = TempName(".in.pdf");
    static const std::string output = TempName(".out.pdf");
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TPDFToolkit toolkit;
    if (toolkit.LoadFromFile(input) == 1) {
        toolkit.PageCount();
        toolkit.GetCustomInformation("Numero Documenti Nel File");
        if (toolkit.SaveToFile(output) == 1) {
            // What was saved must load again.
            TPDFToolkit again;
            if (again.LoadFromFile(output) != 1)
                __builtin_trap();
        }
    }
    std::remove(input.c_str());
    std::remove(output.c_str());
    return 0;
}
