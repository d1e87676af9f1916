#include "platform/linux/cups_page_metrics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultDotsPerInch = 300;
constexpr double kHundredthsMmPerInch = 2540.0;

int toDots(int hundredthsMm, int dotsPerInch) {
    return static_cast<int>(
        std::lround(hundredthsMm * static_cast<double>(dotsPerInch) / kHundredthsMmPerInch));
}

// printer-resolution-default in dots per inch across and down; 300 dpi when the queue names none.
void defaultResolution(http_t* http, cups_dest_t* dest, cups_dinfo_t* info, int& x, int& y) {
    x = y = kDefaultDotsPerInch;
    ipp_attribute_t* attribute = cupsFindDestDefault(http, dest, info, "printer-resolution");
    if (attribute == nullptr || ippGetValueTag(attribute) != IPP_TAG_RESOLUTION)
        return;
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    int across = ippGetResolution(attribute, 0, &down, &units);
    if (units == IPP_RES_PER_CM) {
        across = static_cast<int>(std::lround(across * 2.54));
        down = static_cast<int>(std::lround(down * 2.54));
    }
    if (across > 0 && down > 0) {
        x = across;
        y = down;
    }
}

// The queue's default media (media-default) with its margins. A queue that describes no such media (a
// raw queue) gets the size its name gives, without margins; a queue without a default media, the media
// libcups takes for default, or A4. (libcups' own default-media lookup may answer another size than
// media-default, so the name comes first.)
MediaExtent defaultMedia(http_t* http, cups_dest_t* dest, cups_dinfo_t* info) {
    cups_size_t size{};
    ipp_attribute_t* attribute = cupsFindDestDefault(http, dest, info, "media");
    const char* name = attribute != nullptr ? ippGetString(attribute, 0, nullptr) : nullptr;
    if (name != nullptr) {
        if (cupsGetDestMediaByName(http, dest, info, name, CUPS_MEDIA_FLAGS_DEFAULT, &size) &&
            size.width > 0 && size.length > 0)
            return {size.width, size.length, size.left, size.right, size.top, size.bottom};
        const pwg_media_t* media = pwgMediaForPWG(name);
        if (media == nullptr)
            media = pwgMediaForLegacy(name);
        if (media != nullptr)
            return {media->width, media->length, 0, 0, 0, 0};
    }
    if (cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size) && size.width > 0 &&
        size.length > 0)
        return {size.width, size.length, size.left, size.right, size.top, size.bottom};
    const pwg_media_t* a4 = pwgMediaForPWG("iso_a4_210x297mm");
    return {a4->width, a4->length, 0, 0, 0, 0};
}

} // namespace

PrinterPageMetrics PageMetricsFor(int resolutionX, int resolutionY, const MediaExtent& media) {
    PrinterPageMetrics m;
    m.resolutionX = resolutionX;
    m.resolutionY = resolutionY;
    m.physicalWidth = toDots(media.width, resolutionX);
    m.physicalHeight = toDots(media.length, resolutionY);
    m.offsetX = toDots(media.left, resolutionX);
    m.offsetY = toDots(media.top, resolutionY);
    m.printableWidth = std::max(0, m.physicalWidth - m.offsetX - toDots(media.right, resolutionX));
    m.printableHeight = std::max(0, m.physicalHeight - m.offsetY - toDots(media.bottom, resolutionY));
    return m;
}

bool QueryPageMetrics(http_t* http, cups_dest_t* dest, cups_dinfo_t* info, PrinterPageMetrics& metrics) {
    if (info == nullptr)
        return false;
    int x = 0;
    int y = 0;
    defaultResolution(http, dest, info, x, y);
    metrics = PageMetricsFor(x, y, defaultMedia(http, dest, info));
    return metrics.physicalWidth > 0 && metrics.physicalHeight > 0;
}
