#pragma once

// Keeps a test away from every print spooler: the process-wide printer becomes a double without
// printers, and programs the test starts find no scheduler (CUPS_SERVER names a socket that does not
// exist; LPDEST and PRINTER are cleared). Everything is put back at the end of the test.

#include "platform/printer.h"
#include "support/printer_double.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class NoSpooler {
public:
    NoSpooler() : previous_(ReplacePrinter(std::make_unique<PrinterDouble>())) {
        for (const char* name : {"CUPS_SERVER", "CUPS_SERVERROOT", "LPDEST", "PRINTER"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
        ::setenv("CUPS_SERVER", "/nonexistent/stampadoc-no-spooler.sock", 1);
        ::setenv("CUPS_SERVERROOT", "/nonexistent/stampadoc-no-spooler", 1);
    }
    ~NoSpooler() {
        ReplacePrinter(std::move(previous_));
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    NoSpooler(const NoSpooler&) = delete;
    NoSpooler& operator=(const NoSpooler&) = delete;

private:
    std::unique_ptr<TPrinter> previous_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
