#include "platform/windows/wic_codecs.h"

#include <cstring>
#include <vector>

#include <wincodec.h>

#include "platform/windows/com_support.h"

namespace {

ComRef<IWICImagingFactory> makeFactory() {
    ComRef<IWICImagingFactory> factory;
    if (EnsureComForThread()) {
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(factory.put()));
    }
    return factory;
}

// The first frame of JPEG bytes, read from memory. The bytes must outlive the frame.
struct JpegFrame {
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    UINT width = 0;
    UINT height = 0;
};

bool openJpeg(std::string_view bytes, JpegFrame& jpeg) {
    // A JPEG file starts with the start-of-image marker; WIC would try other formats too.
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8) {
        return false;
    }
    jpeg.factory = makeFactory();
    if (!jpeg.factory || FAILED(jpeg.factory->CreateStream(jpeg.stream.put())) ||
        FAILED(jpeg.stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                                 static_cast<DWORD>(bytes.size()))) ||
        FAILED(jpeg.factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, jpeg.decoder.put())) ||
        FAILED(jpeg.decoder->Initialize(jpeg.stream.get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(jpeg.decoder->GetFrame(0, jpeg.frame.put())) ||
        FAILED(jpeg.frame->GetSize(&jpeg.width, &jpeg.height))) {
        return false;
    }
    return jpeg.width > 0 && jpeg.height > 0;
}

// True when the file carries Adobe's APP14 marker, whose CMYK samples are stored inverted.
bool hasAdobeMarker(std::string_view bytes) {
    std::size_t at = 2;
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (marker == 0xDA || marker == 0xD9) {
            return false; // the picture data starts: no more header segments
        }
        const std::size_t length = static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
                                   static_cast<unsigned char>(bytes[at + 3]);
        if (marker == 0xEE && length >= 7 && at + 9 <= bytes.size() && bytes.substr(at + 4, 5) == "Adobe") {
            return true;
        }
        at += 2 + length;
    }
    return false;
}

// Copies the frame's pixels in a format, converting when the frame has another.
bool copyPixels(JpegFrame& jpeg, const WICPixelFormatGUID& format, UINT bytesPerPixel,
                std::vector<std::uint8_t>& pixels) {
    WICPixelFormatGUID own{};
    jpeg.frame->GetPixelFormat(&own);
    const UINT stride = jpeg.width * bytesPerPixel;
    pixels.assign(static_cast<std::size_t>(stride) * jpeg.height, 0);
    if (IsEqualGUID(own, format)) {
        return SUCCEEDED(
            jpeg.frame->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()));
    }
    ComRef<IWICFormatConverter> converter;
    return SUCCEEDED(jpeg.factory->CreateFormatConverter(converter.put())) &&
           SUCCEEDED(converter->Initialize(jpeg.frame.get(), format, WICBitmapDitherTypeNone, nullptr, 0.0,
                                           WICBitmapPaletteTypeCustom)) &&
           SUCCEEDED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()));
}

} // namespace

bool WicJpegSize(std::string_view bytes, int& width, int& height) {
    JpegFrame jpeg;
    if (!openJpeg(bytes, jpeg) || jpeg.width > 65535 || jpeg.height > 65535) {
        return false;
    }
    width = static_cast<int>(jpeg.width);
    height = static_cast<int>(jpeg.height);
    return true;
}

bool WicDecodeJpeg(std::string_view bytes, std::size_t maxPixels, JpegSamples& out) {
    out = JpegSamples();
    JpegFrame jpeg;
    if (maxPixels == 0 || !openJpeg(bytes, jpeg) || jpeg.width > maxPixels / jpeg.height) {
        return false;
    }
    WICPixelFormatGUID own{};
    jpeg.frame->GetPixelFormat(&own);
    const std::size_t count = static_cast<std::size_t>(jpeg.width) * jpeg.height;
    std::vector<std::uint8_t> pixels;
    if (IsEqualGUID(own, GUID_WICPixelFormat32bppCMYK)) {
        if (!copyPixels(jpeg, GUID_WICPixelFormat32bppCMYK, 4, pixels)) {
            return false;
        }
        // WIC hands out true ink values; Adobe's files store them inverted, and so do the samples.
        if (hasAdobeMarker(bytes)) {
            for (std::uint8_t& value : pixels) {
                value = static_cast<std::uint8_t>(255 - value);
            }
        }
        out.components = 4;
        out.samples = std::move(pixels);
    } else if (IsEqualGUID(own, GUID_WICPixelFormat8bppGray)) {
        // WIC does not convert grey straight to 24-bit colour everywhere; 32-bit BGRA it does.
        if (!copyPixels(jpeg, GUID_WICPixelFormat32bppBGRA, 4, pixels)) {
            return false;
        }
        out.components = 1;
        out.samples.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            out.samples[i] = pixels[4 * i];
        }
    } else {
        if (!copyPixels(jpeg, GUID_WICPixelFormat24bppBGR, 3, pixels)) {
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            std::swap(pixels[3 * i], pixels[3 * i + 2]);
        }
        out.components = 3;
        out.samples = std::move(pixels);
    }
    out.width = static_cast<int>(jpeg.width);
    out.height = static_cast<int>(jpeg.height);
    return true;
}

bool WicWritePng(const std::string& path, const std::uint8_t* pixels, int width, int height,
                 std::size_t stride) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    const ComRef<IWICImagingFactory> factory = makeFactory();
    if (!factory) {
        return false;
    }
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring widePath(static_cast<std::size_t>(std::max(wideLength, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), wideLength);
    // 24-bit rows without the unused byte.
    const UINT rowBytes = static_cast<UINT>(width) * 3;
    std::vector<BYTE> rows(static_cast<std::size_t>(rowBytes) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = pixels + stride * y;
        BYTE* out = rows.data() + static_cast<std::size_t>(rowBytes) * y;
        for (int x = 0; x < width; ++x) {
            std::memcpy(out + 3 * x, in + 4 * x, 3);
        }
    }
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapEncoder> encoder;
    ComRef<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const bool written =
        SUCCEEDED(factory->CreateStream(stream.put())) &&
        SUCCEEDED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) &&
        SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(frame.put(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), rowBytes, static_cast<UINT>(rows.size()),
                                     rows.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    return written;
}
