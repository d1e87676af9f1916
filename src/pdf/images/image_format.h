#pragma once

#include <string_view>

// Image formats recognised from the first bytes of an image stream.
enum class ImageFormat {
    Unknown,
    PlaceableMetafile,
    EnhancedMetafile,
    Bitmap,
    Jpeg,
    Tiff,
    Png,
    Gif,
};

// Runs the format tests in their fixed order (placeable metafile, enhanced
// metafile, Windows bitmap, JPEG, TIFF, PNG, GIF), each on the start of the data.
ImageFormat RecogniseImageFormat(std::string_view data);
