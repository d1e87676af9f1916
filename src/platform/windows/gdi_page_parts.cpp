#include "platform/windows/gdi_page_parts.h"

#include "platform/windows/gdi_canvas.h"
#include "platform/windows/gdi_page_recording.h"

HENHMETAFILE RecordedMetafile(const PageRecording& recording) {
    return static_cast<const GdiPageRecording&>(recording).metafile();
}

std::unique_ptr<DrawingCanvas> MakeDeviceCanvas(HDC dc) {
    return std::make_unique<GdiCanvas>(dc);
}
