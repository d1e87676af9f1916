#pragma once

#include <optional>
#include <string>

// The custom information entry that counts the documents of a PDF file written by the print run.
inline constexpr const char* DocumentCountKey = "Numero Documenti Nel File";
// The prefix of the numbered entry that describes each document of the file.
inline constexpr const char* DocumentEntryPrefix = "Dati documento ";

// The lock file that serialises the runs writing into pdfFile: a hidden file beside it, named after it
// and ".stampadoc-lock" (".f.pdf.stampadoc-lock" for "/srv/f.pdf").
std::string PdfLockFileName(const std::string& pdfFile);

// True when pdfFile holds a control byte (below 0x20, or 0x7F): such a name is refused.
bool HasControlBytes(const std::string& pdfFile);

// The path that pdfFile reaches, without symbolic links or "." and ".." parts, so that every name of
// one archive locks and writes the same file: the existing file's real path, or the real path of its
// folder and the file name for a file still to be made. Empty when it cannot be resolved (a link that
// leads nowhere, a missing folder, a name ending in "/").
std::string ResolvedPdfPath(const std::string& pdfFile);

// True when a file exists at path and is not a PDF file that could be appended to: not a regular
// file, or no "%PDF-" (nor "%!PS-Adobe-") within its first 1024 bytes. Nothing is created beside such a
// file.
bool IsForeignFile(const std::string& path);

// The folder part of pdfFile: the path before the file name, without its trailing "/" unless that "/"
// is the first character or follows another "/". A bare file name has an empty folder part.
std::string PdfFolderPart(const std::string& pdfFile);

// Makes sure that the folder of pdfFile exists: when it is not a folder that can be entered, it is
// created, one level only. Answers whether the folder is there afterwards; an empty folder part (the
// current directory) answers true without doing anything.
bool EnsurePdfFolder(const std::string& pdfFile);

// The document count of a PDF file read from its "Numero Documenti Nel File" entry: a decimal integer
// from 0 up to one less than the largest int, with blanks around it allowed. Anything else, the empty
// text of a missing entry included, is no count.
std::optional<int> ParseDocumentCount(const std::string& text);
