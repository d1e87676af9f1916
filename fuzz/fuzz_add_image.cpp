// Feeds arbitrary bytes to AddImageFromStream (format recognition, bitmap decoding, JPEG marker scan)
// and draws whatever image comes out, with and without compression.

#include "pdf/toolkit.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    toolkit.CompressImages(static_cast<int>(size & 1));
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    if (toolkit.AddImageFromStream(stream, 0)) {
        toolkit.DrawImage(0, 0, 8.5, 11);
        for (int rotation = 0; rotation < 4; ++rotation)
            toolkit.FitImage(1, 1, 2, 1, rotation % 3, 2 - rotation % 3, rotation);
    }
    return 0;
}
