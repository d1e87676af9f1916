#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/mapped_file.h"

class TPDFDocument;

// Fills an empty document from the bytes of a PDF file: header and version, cross-reference data, the
// list of indirect objects sorted by offset (values parsed on demand through the document's hooks),
// the trailer and the linearized and encrypted flags. Does not build the page tree.
class TPDFLoader {
public:
    // False when the file has no valid header or its cross-reference data cannot be found or read.
    static bool Load(TPDFDocument& document, std::unique_ptr<MappedFile> file);
    static bool Load(TPDFDocument& document, std::string fileBytes);

    // The version text after "%PDF-" (or "%!PS-Adobe-... PDF-") in the first 1024 bytes; empty when
    // there is none or it is not a valid number.
    static std::string ReadVersion(std::string_view fileBytes);
};
