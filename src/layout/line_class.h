#pragma once

#include <string>

// How a document line is printed, decided by its article code.
enum class TLineClass { Article, Free, Percent, Star, Dash, Comment, Equal, Special, Other };

// The trimmed code starts with "*": a full row whose quantity is shown followed by "%".
bool IsStarLine(const std::string& code);

TLineClass ClassifyLine(const std::string& code);
