// stampadoc-preview: shows how stampadoc would lay out a document file, as page text on standard output.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/preview_output.h"
#include "platform/byte_output.h"
#include "platform/executable_path.h"

int main(int argc, char** argv) {
    WriteStandardOutputAsBytes();
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        return RunPreview(arguments, ExecutablePath(), std::cout);
    } catch (const std::exception& error) {
        std::cerr << "stampadoc-preview: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "stampadoc-preview: unexpected error\n";
    }
    return 0;
}
