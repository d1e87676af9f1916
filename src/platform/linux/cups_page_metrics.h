#pragma once

#include <cups/cups.h>

#include "platform/printer.h"

// A sheet as the spooler describes it: its size and unprintable margins in hundredths of a millimetre.
struct MediaExtent {
    int width = 0;
    int length = 0;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// The device-context metrics of that sheet at the resolution, in dots (rounded to the nearest dot).
PrinterPageMetrics PageMetricsFor(int resolutionX, int resolutionY, const MediaExtent& media);

// The destination's default resolution (300 dpi when it states none) and its default media and margins
// (ISO A4 without margins when it states no media). Answers false when the destination's capabilities
// cannot be read.
bool QueryPageMetrics(http_t* http, cups_dest_t* dest, cups_dinfo_t* info, PrinterPageMetrics& metrics);
