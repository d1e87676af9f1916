// stampadoc: prints a fiscal document file exported by Marvendo, or prints a PDF file again.

#include "app/startup.h"
#include "platform/broken_pipe.h"
#include "platform/executable_path.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    IgnoreBrokenPipe();
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        return RunStampadoc(arguments, ExecutablePath(), std::cout);
    } catch (const std::exception& error) {
        // An error that ends the run keeps the document file; standard output stays for the usage line.
        std::cerr << "stampadoc: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "stampadoc: unexpected error\n";
    }
    return 0;
}
