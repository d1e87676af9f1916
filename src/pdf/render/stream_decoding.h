#pragma once

#include <cstddef>
#include <string>

class TPDFDocument;
class TPDFStream;

// The data of a stream through its /Filter chain, at most `maxOutput` bytes (more fails). When the last
// filter is DCTDecode the chain stops before it and `jpeg` is set: `out` then holds the JPEG file's bytes.
// False for filters the reader does not know and for malformed or over-long data.
bool DecodeStreamForRendering(TPDFDocument& document, const TPDFStream& stream, std::size_t maxOutput,
                              std::string& out, bool& jpeg);

// Whether the stream's last filter is DCTDecode.
bool EndsInJpegFilter(TPDFDocument& document, const TPDFStream& stream);
