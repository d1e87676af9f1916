#pragma once

// Keeps a test away from every print spooler: the process-wide printer becomes a double without
// printers, and programs the test starts find no scheduler (CUPS_SERVER names a socket that does not
// exist; LPDEST and PRINTER are cleared). Everything is put back at the end of the test.

#include "platform/printer.h"
#include "support/environment.h"
#include "support/printer_double.h"

#include <memory>
#include <optional>
#include <string>

class NoSpooler {
public:
    NoSpooler() : previous_(ReplacePrinter(std::make_unique<PrinterDouble>())) {}
    ~NoSpooler() { ReplacePrinter(std::move(previous_)); }
    NoSpooler(const NoSpooler&) = delete;
    NoSpooler& operator=(const NoSpooler&) = delete;

private:
    std::unique_ptr<TPrinter> previous_;
    EnvironmentOverride server_{"CUPS_SERVER", "/nonexistent/stampadoc-no-spooler.sock"};
    EnvironmentOverride serverRoot_{"CUPS_SERVERROOT", "/nonexistent/stampadoc-no-spooler"};
    EnvironmentOverride destination_{"LPDEST", std::nullopt};
    EnvironmentOverride printer_{"PRINTER", std::nullopt};
};
