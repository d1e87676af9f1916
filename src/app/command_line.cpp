#include "app/command_line.h"

#include "app/decode_quotes.h"
#include "util/numbers.h"
#include "util/strings.h"

void ApplySwitches(const std::vector<std::string>& arguments, RunSettings& settings) {
    for (const std::string& argument : arguments) {
        const std::string text = UpperAscii(argument);
        if (text.size() < 3)
            continue;
        const std::string_view name = std::string_view(text).substr(0, 3);
        const std::string_view value = std::string_view(text).substr(3);
        if (name == "/S=")
            settings.printerName = decodeQuotes(value);
        else if (name == "/I=")
            settings.inputFile = TrimControl(std::string(value));
        else if (name == "/F=")
            settings.layoutFlags = TrimControl(std::string(value));
        else if (name == "/C=")
            settings.copies = ParseInteger(TrimControl(std::string(value)), -1);
        else if (name == "/P=")
            settings.optionP = TrimControl(std::string(value)) == "1";
        else if (name == "/R=")
            settings.rowsPerPage = ParseInteger(TrimControl(std::string(value)), -1);
        else if (name == "/T=")
            settings.reprintKind = TrimControl(std::string(value.substr(0, 1)));
    }
}

RunSettings ParseCommandLine(const std::vector<std::string>& arguments) {
    RunSettings settings;
    ApplySwitches(arguments, settings);
    return settings;
}
