#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"
#include "platform/printer.h"

// The DDE service and topic of the PDF viewer.
inline constexpr const char* kViewerService = "acroview";
inline constexpr const char* kViewerTopic = "control";
// The longest wait for the viewer's acknowledgement of one command, per started megabyte of the file.
inline constexpr std::uint64_t kDdeTimeoutPerFactor = 60'000;

// What printing through the viewer needs of the delivery.
struct ViewerPrinting {
    bool useDefaultPrinter = false; // FilePrintSilent on the default printer, else FilePrintTo
    PrinterEntry printer;           // the printer FilePrintTo names
    int timeoutFactor = 1;          // set from the file's size by each command
};

// One execute transaction to the viewer; true when a conversation was opened (the transaction's outcome
// is not known), false when no viewer answered.
bool ddeExecute(const std::string& command, int timeoutFactor);

// The command that prints a file once: [FilePrintSilent("file")] on the default printer, otherwise
// [FilePrintTo("file","device","driver","port")]. Values are inserted as they are.
std::string ViewerPrintCommand(const std::string& file, const ViewerPrinting& printing);

// Hands one copy of the file to the viewer: the timeout factor from the file's size (a started megabyte
// each), then up to three attempts a second apart. False when the viewer never answered, or when the
// file's size cannot be taken (the file is gone), in which case nothing is sent.
bool printWithViewer(const std::string& file, ViewerPrinting& printing);

// Starts a program through the shell; its process handle, or 0 when it did not start.
ProcessHandle startProgram(WindowHandle window, const std::string& verb, const std::string& file,
                           const std::string& parameters, int showMode);
