#pragma once

#include <string>

class TRecRigaDocObject;

// How a document line is printed, decided by its article code.
enum class TLineClass { Article, Free, Percent, Star, Dash, Comment, Equal, Special, Other };

// The trimmed code starts with "*": a full row whose quantity is shown followed by "%".
bool IsStarLine(const std::string& code);

TLineClass ClassifyLine(const std::string& code);

// The line holds nothing: every text column blank and no amount. Such lines after the last line that
// holds anything add only empty rows and empty pages.
bool IsEmptyDocumentLine(const TRecRigaDocObject& line);
