#pragma once

#include <optional>
#include <string>

// The custom information entry that counts the documents of a PDF file written by the print run.
inline constexpr const char* DocumentCountKey = "Numero Documenti Nel File";
// The prefix of the numbered entry that describes each document of the file.
inline constexpr const char* DocumentEntryPrefix = "Dati documento ";

// The lock file that serialises the runs writing into pdfFile: the PDF file's name followed by ".lock".
std::string PdfLockFileName(const std::string& pdfFile);

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
