#pragma once

#include "app/run_settings.h"

#include <string>
#include <vector>

// Applies the switches to `settings`, argument by argument from the first. Each argument is
// upper-cased (ASCII letters only) and its first three characters are compared with "/S=", "/I=",
// "/F=", "/C=", "/P=", "/R=", "/T=" in that order; the value is the rest of the upper-cased argument,
// except for "/T=", which takes only the character after the equals sign. Values are trimmed; "/S="
// goes through decodeQuotes; "/C=" and "/R=" that do not read as integers give -1; "/P=" sets optionP
// exactly when its value is "1". Arguments that match no switch are ignored; the last of a repeated
// switch wins. The arguments do not include the program name.
void ApplySwitches(const std::vector<std::string>& arguments, RunSettings& settings);

// The run settings at start with the switches applied.
RunSettings ParseCommandLine(const std::vector<std::string>& arguments);
