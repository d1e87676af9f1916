#pragma once

#include <string>

class TPDFDocument;

// The whole file text of a document: header, objects, one cross-reference table, trailer.
// Throws on failure (a value that cannot be serialised, memory).
std::string SerializeDocument(TPDFDocument& document);

// Writes bytes to a file through a temporary file beside it that is flushed to disk and renamed over
// the target, so that a failed write never replaces an existing file. False on any failure.
bool WriteFileAtomically(const std::string& fileName, const std::string& bytes);
