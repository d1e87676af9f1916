#pragma once

// Small text routines shared by the number formatting and the document reader.
// Texts are Windows-1252 byte strings; positions given to and returned by these
// routines are counted from 1, as in the document file's field numbering.

#include <string>
#include <string_view>

// Removes leading and trailing characters with codes 0 to 32.
std::string TrimControl(const std::string& text);

// Converts the letters a to z to A to Z; every other byte stays as it is.
std::string UpperAscii(const std::string& text);

// Compares two texts without regard to the case of the letters a to z.
bool SameTextAscii(std::string_view a, std::string_view b);

// The first N characters (empty for N <= 0, the whole text when N exceeds its length).
std::string LeftPart(const std::string& text, int n);

// The last N characters (empty for N <= 0, the whole text when N exceeds its length).
std::string RightPart(const std::string& text, int n);

// From Position (1-based) to the end; a Position below 1 counts as 1.
std::string TailFrom(const std::string& text, int position);

// N copies of Ch; empty when N is 0 or less.
std::string RepeatChar(int n, char ch);

// N blanks.
std::string Spaces(int n);

// Text extended with Ch to Length characters, on the left when AtLeft is true, else on the right;
// unchanged when it already has that length or more.
std::string PadText(const std::string& text, int length, char ch, bool atLeft);

// Replaces the first occurrence of Find by Repl and returns its 1-based position, 0 when Find does not
// occur (or is empty). An empty Repl deletes.
int ReplaceFirst(std::string& text, const std::string& find, const std::string& repl);

// Replaces every occurrence of Find by Repl, scanning on after each inserted replacement, and returns
// the number of replacements. An empty Repl deletes; an empty Find replaces nothing.
int ReplaceAll(std::string& text, const std::string& find, const std::string& repl);
