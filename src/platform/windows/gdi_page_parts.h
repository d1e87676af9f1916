#pragma once

#include <memory>

#include <windows.h>

class DrawingCanvas;
class PageRecording;

// What a page on a device context takes from the GDI drawing layer.

// The enhanced metafile a recording holds, still owned by the recording; nullptr when it holds none. Its
// frame is the recording's width x height device units, so that it plays back at its own size.
HENHMETAFILE RecordedMetafile(const PageRecording& recording);

// A canvas drawing straight onto the device context in its device units; the context stays the caller's.
std::unique_ptr<DrawingCanvas> MakeDeviceCanvas(HDC dc);
