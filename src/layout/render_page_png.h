#pragma once

#include <string>
#include <vector>

class TStampaDocumentoBase;

// Page pictures of the layout preview: "--png DIR" writes DIR/page-001.png, page-002.png, ... and
// "--dpi N" sets their resolution (600 dots per inch unless given).
struct TPreviewPictures {
    std::string directory;
    int dotsPerInch = 600;
    bool wanted() const { return !directory.empty(); }
};

// Removes "--png DIR" and "--dpi N" from a preview command line and answers the other arguments in
// their order. A "--dpi" value that is not a whole number from 10 to 2400 keeps the default.
std::vector<std::string> TakePreviewPictureOptions(const std::vector<std::string>& arguments,
                                                   TPreviewPictures& pictures);

// The file name of a page picture: DIR/page-NNN.png.
std::string PreviewPicturePath(const TPreviewPictures& pictures, int pageNumber);

// Renders the engine's composed page as a PDF run would lay it out on A4 (the form picture with the left
// margin of the settings, and the logo in its box) and writes it as a PNG file. Answers false when the
// file cannot be written. The engine's output settings are left as they were.
bool WritePreviewPicture(TStampaDocumentoBase& engine, int pageRows, int pageNumber,
                         const TPreviewPictures& pictures);
