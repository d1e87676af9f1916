#include "app/printer_utilities.h"

#include "platform/printer.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

std::optional<PrinterEntry> entryAt(int index) {
    const std::vector<PrinterEntry> entries = Printer().printers();
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return std::nullopt;
    return entries[static_cast<std::size_t>(index)];
}

// The vertical resolution and the top margin of the printer's device context; nothing without one (or
// without a resolution, which would leave rows undefined).
struct VerticalMeasure {
    long resolution = 0;
    long topMargin = 0;
    long bottomMargin = 0;
    long physicalHeight = 0;
};

std::optional<VerticalMeasure> verticalMeasure(int index) {
    const std::optional<PrinterEntry> entry = entryAt(index);
    if (!entry)
        return std::nullopt;
    const std::optional<PrinterPageMetrics> m = Printer().pageMetrics(entry->deviceName);
    if (!m || m->resolutionY <= 0)
        return std::nullopt;
    VerticalMeasure v;
    v.resolution = m->resolutionY;
    v.physicalHeight = m->physicalHeight;
    v.topMargin = std::max(0L, static_cast<long>(m->offsetY));
    v.bottomMargin = std::max(0L, static_cast<long>(m->physicalHeight) - m->offsetY - m->printableHeight);
    return v;
}

} // namespace

std::string printerDeviceName(int index) {
    const std::optional<PrinterEntry> entry = entryAt(index);
    return entry ? entry->deviceName : std::string();
}

std::string printerDriverName(int index) {
    const std::optional<PrinterEntry> entry = entryAt(index);
    return entry ? entry->driverName : std::string();
}

std::string printerPortName(int index) {
    const std::optional<PrinterEntry> entry = entryAt(index);
    return entry ? entry->portName : std::string();
}

int printableRows(int index) {
    const std::optional<VerticalMeasure> v = verticalMeasure(index);
    if (!v)
        return 0;
    const long height = v->physicalHeight - v->topMargin - v->bottomMargin;
    return static_cast<int>(std::max(0L, height * 6 / v->resolution));
}

int rowToDeviceY(int index, int row) {
    const std::optional<VerticalMeasure> v = verticalMeasure(index);
    if (!v)
        return 0;
    return static_cast<int>(row * v->resolution / 6 + v->topMargin);
}
