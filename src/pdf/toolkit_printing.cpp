#include <algorithm>
#include <string>

#include "pdf/render/canvas_render_sink.h"
#include "pdf/render/page_box.h"
#include "pdf/render/page_placement.h"
#include "pdf/render/page_renderer.h"
#include "pdf/toolkit.h"
#include "platform/drawing_canvas.h"
#include "platform/page_target.h"
#include "platform/printer.h"
#include "util/strings.h"

namespace {

// The title of a job whose options name no title of the list.
constexpr const char* kDefaultJobTitle = "Documento PDF";
// Job titles are numbered from this value in the options.
constexpr int kFirstTitleNumber = 450;

// The device name of the installed printer of that name (ASCII case ignored); empty when there is none.
std::string InstalledDeviceName(TPrinter& printer, const std::string& name) {
    for (const PrinterEntry& entry : printer.printers())
        if (SameTextAscii(entry.deviceName, name))
            return entry.deviceName;
    return {};
}

PrinterSheet SheetOf(const PrinterPageMetrics& m) {
    PrinterSheet sheet;
    sheet.resolutionX = m.resolutionX;
    sheet.resolutionY = m.resolutionY;
    sheet.physicalWidth = m.physicalWidth;
    sheet.physicalHeight = m.physicalHeight;
    sheet.printableWidth = m.printableWidth;
    sheet.printableHeight = m.printableHeight;
    sheet.printableOffsetX = m.offsetX;
    sheet.printableOffsetY = m.offsetY;
    return sheet;
}

// A white space in 12-point Arial at the page's origin, with a clear brush: the canvas starts with a
// font, a text colour and a brush of known state.
void PrimeCanvas(DrawingCanvas& canvas, int resolutionY) {
    canvas.setBrush({DrawBrush::Kind::Clear, kDrawWhite, nullptr});
    canvas.setTextColor(kDrawWhite);
    canvas.selectFont({"Arial", 0, 12 * resolutionY / 72, 0});
    LogicalRect origin{0, 0, 0, 0};
    canvas.drawText(" ", origin, kDtLeft | kDtSingleLine | kDtNoClip | kDtNoPrefix);
}

// Draws one page of the document on the printer's current page. False when it could not be drawn
// whole: the page does not exist, or part of its content could not be read.
bool PrintPage(TPDFDocument& document, int pageNumber, TPrinter& printer, const PagePlacement& placement) {
    TPDFDictionary* page = document.pageTree.Page(pageNumber);
    PageTarget* target = printer.page();
    DrawingCanvas* canvas = target ? target->canvas() : nullptr;
    if (!page || !canvas)
        return false;
    const PrinterPageMetrics metrics = printer.jobMetrics();
    const RenderMatrix pageToDevice = PlacePageOnSheet(
        ReadPageBox(document, *page), ReadPageRotation(document, *page), SheetOf(metrics), placement);
    CanvasRenderSink sink(*canvas);
    return RenderPdfPage(document, pageNumber, sink, pageToDevice) == RenderOutcome::Complete;
}

} // namespace

int TPDFToolkit::PrintOptions(int pageScaling, int autoRotateCenter, const std::string& jobTitle) {
    printJobTitles.push_back(jobTitle);
    const int titleNumber = kFirstTitleNumber + static_cast<int>(printJobTitles.size()) - 1;
    return (pageScaling & 15) + (autoRotateCenter == 1 ? 16 : 0) + titleNumber * 256;
}

int TPDFToolkit::PrintDocument(const std::string& printerName, int firstPage, int lastPage, int options) {
    if (!selectedDocument)
        return 0;
    TPrinter& printer = Printer();
    const std::string deviceName = InstalledDeviceName(printer, printerName);
    if (deviceName.empty())
        return 0;

    TPDFPageTree& tree = selectedDocument->pageTree;
    const int rememberedPage = tree.SelectedPageNumber();
    firstPage = std::max(firstPage, 1);
    lastPage = std::min(std::max(lastPage, firstPage), tree.PageCount());

    const int titleIndex = ((options >> 8) & 65535) - kFirstTitleNumber;
    const bool titled = titleIndex >= 0 && titleIndex < static_cast<int>(printJobTitles.size());
    const std::string& title =
        titled ? printJobTitles[static_cast<std::size_t>(titleIndex)] : kDefaultJobTitle;
    const PagePlacement placement{options & 15, (options & 16) != 0};

    // A document without pages gives no copy.
    if (lastPage < firstPage || !printer.beginDoc(deviceName, title))
        return 0;
    bool printed = true;
    if (PageTarget* target = printer.page(); target && target->canvas())
        PrimeCanvas(*target->canvas(), printer.jobMetrics().resolutionY);
    for (int number = firstPage; printed && number <= lastPage; ++number) {
        if (number > firstPage)
            printed = printer.newPage();
        if (printed)
            printed = PrintPage(*selectedDocument, number, printer, placement);
    }
    // The job is ended on every path; a job the spooler did not take is no printed copy.
    printed = printer.endDoc() && printed;
    if (tree.SelectedPageNumber() != rememberedPage)
        SelectPage(rememberedPage);
    return printed ? 1 : 0;
}
