#pragma once

// A printer double for tests: a fixed list of printers, metrics given per device name, and every job
// kept with its title, device and pages drawn into RGB pictures at the double's (small) resolution.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/rgb_page_image.h"

class PrinterDouble : public TPrinter {
public:
    struct Job {
        std::string deviceName;
        std::string title;
        std::vector<std::unique_ptr<RgbPageImage>> pages;
        bool ended = false;
        bool aborted = false;
    };

    std::vector<PrinterEntry> entries;
    int defaultIndex = -1;
    std::map<std::string, PrinterPageMetrics> metrics; // by device name; absent: no device context
    bool refuseJobs = false;
    std::vector<Job> jobs;

    // A 100 dpi A4 sheet with a sixth of an inch unprintable on every side.
    static PrinterPageMetrics SmallA4() { return {100, 100, 827, 1169, 17, 17, 793, 1135}; }

    std::vector<PrinterEntry> printers() override { return entries; }
    int defaultPrinterIndex() override { return defaultIndex; }
    std::optional<PrinterPageMetrics> pageMetrics(const std::string& deviceName) override {
        const auto found = metrics.find(deviceName);
        if (found == metrics.end())
            return std::nullopt;
        return found->second;
    }
    bool beginDoc(const std::string& deviceName, const std::string& title) override {
        if (refuseJobs || open() || !metrics.count(deviceName))
            return false;
        jobs.push_back({deviceName, title, {}, false, false});
        addPage();
        return true;
    }
    PrinterPageMetrics jobMetrics() const override {
        return open() ? metrics.at(jobs.back().deviceName) : PrinterPageMetrics{};
    }
    PageTarget* page() override { return open() ? jobs.back().pages.back().get() : nullptr; }
    bool newPage() override {
        if (!open())
            return false;
        addPage();
        return true;
    }
    bool endDoc() override {
        if (!open())
            return false;
        jobs.back().ended = true;
        return true;
    }
    void abortDoc() override {
        if (open()) {
            jobs.back().ended = true;
            jobs.back().aborted = true;
        }
    }

private:
    bool open() const { return !jobs.empty() && !jobs.back().ended; }
    void addPage() {
        const PrinterPageMetrics m = metrics.at(jobs.back().deviceName);
        jobs.back().pages.push_back(std::make_unique<RgbPageImage>(m.printableWidth, m.printableHeight));
    }
};
