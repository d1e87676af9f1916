#include "pdf/toolkit.h"

#include "pdf/images/image.h"
#include "pdf/images/image_placement.h"
#include "pdf/model/number.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// The whole stream from its start; the stream is rewound afterwards.
std::string ReadWholeStream(std::istream& stream) {
    std::string bytes;
    stream.clear();
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    stream.clear();
    stream.seekg(0, std::ios::beg);
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        stream.read(bytes.data(), size);
        bytes.resize(static_cast<std::size_t>(stream.gcount()));
    }
    // A stream that cannot tell its size (or grew) is read to its end.
    if (stream.good() || size < 0) {
        stream.clear();
        bytes.append(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }
    stream.clear();
    stream.seekg(0, std::ios::beg);
    return bytes;
}

// The bytes of the stream from its start: the buffer itself for a string stream, else a copy read into
// `storage`. The stream is rewound afterwards.
std::string_view StreamBytes(std::istream& stream, std::string& storage) {
    if (auto* buffer = dynamic_cast<std::stringbuf*>(stream.rdbuf())) {
        stream.clear();
        stream.seekg(0, std::ios::beg);
        return buffer->view();
    }
    storage = ReadWholeStream(stream);
    return storage;
}

bool BelongsTo(const TPDFDocument& document, const TPDFImage* image) {
    return image &&
           std::any_of(document.images.begin(), document.images.end(),
                       [image](const std::shared_ptr<TPDFImage>& own) { return own.get() == image; });
}

// "q", the placing matrix, "/name Do", "Q" on the selected page, with the image in the page's resources.
void PlaceImage(TPDFDocument& document, const TPDFImage& image, const ImageMatrix& m) {
    document.AddPageResource("XObject", image.resourceName, image.reference);
    TPDFPainter& painter = document.pageTree.Painter();
    std::string matrix;
    for (double v : {m.a, m.b, m.c, m.d, m.e, m.f}) {
        AppendPDFNumber(matrix, v, painter.Precision());
        matrix += ' ';
    }
    matrix += "cm";
    std::string use;
    AppendPDFName(use, image.resourceName);
    use += " Do";
    painter.AppendLine("q");
    painter.AppendLine(matrix);
    painter.AppendLine(use);
    painter.AppendLine("Q");
    document.pageTree.StoreContent();
}

} // namespace

TPDFImage* TPDFToolkit::AddImageFromFile(const std::string& fileName, int pageIndex) {
    try {
        std::error_code error;
        if (!std::filesystem::is_regular_file(fileName, error))
            return nullptr;
        std::ifstream file(fileName, std::ios::binary);
        if (!file)
            return nullptr;
        return AddImageFromStream(file, pageIndex);
    } catch (...) {
        return nullptr;
    }
}

TPDFImage* TPDFToolkit::AddImageFromStream(std::istream& stream, int pageIndex) {
    // Only multi-page formats would use the page index; the formats read here have one image.
    (void)pageIndex;
    try {
        if (!selectedDocument)
            return nullptr;
        TPDFDocument& document = *selectedDocument;
        std::string storage;
        const std::string_view bytes = StreamBytes(stream, storage);
        // Room first, so that a registered image always reaches the document's list.
        document.images.reserve(document.images.size() + 1);
        std::unique_ptr<TPDFImage> image = CreateImage(document, bytes);
        if (!image)
            return nullptr;
        document.images.push_back(std::move(image));
        selectedImage = document.images.back().get();
        return selectedImage;
    } catch (...) {
        return nullptr;
    }
}

int TPDFToolkit::SelectImage(TPDFImage* image) {
    if (!selectedDocument || !BelongsTo(*selectedDocument, image))
        return 0;
    selectedImage = image;
    return 1;
}

int TPDFToolkit::DrawImage(double left, double top, double width, double height) {
    try {
        if (!selectedDocument || !BelongsTo(*selectedDocument, selectedImage))
            return 0;
        TPDFDocument& document = *selectedDocument;
        const ImageMatrix matrix =
            StretchedImageMatrix(document.ToPointsX(left), document.ToPointsY(top),
                                 document.ToPointsLength(width), document.ToPointsLength(height));
        PlaceImage(document, *selectedImage, matrix);
        return 1;
    } catch (...) {
        return 0;
    }
}

int TPDFToolkit::FitImage(double left, double top, double width, double height, int horizontalAlign,
                          int verticalAlign, int rotation) {
    try {
        if (!selectedDocument || !BelongsTo(*selectedDocument, selectedImage))
            return 0;
        TPDFDocument& document = *selectedDocument;
        FitImageRequest request;
        request.pixelWidth = selectedImage->width;
        request.pixelHeight = selectedImage->height;
        request.xResolution = selectedImage->xResolution;
        request.yResolution = selectedImage->yResolution;
        request.x = document.ToPointsX(left);
        request.y = document.ToPointsY(top);
        request.boxWidth = width;
        request.boxHeight = height;
        request.scale = document.scale;
        request.horizontalAlign = horizontalAlign;
        request.verticalAlign = verticalAlign;
        request.rotation = rotation;
        ImageMatrix matrix;
        if (!FitImageMatrix(request, matrix))
            return 0;
        PlaceImage(document, *selectedImage, matrix);
        return 1;
    } catch (...) {
        return 0;
    }
}
