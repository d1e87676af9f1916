#include "app/decode_quotes.h"

#include "util/strings.h"

std::string decodeQuotes(std::string_view text) {
    std::string result = TrimControl(std::string(text));
    for (char& c : result) {
        if (static_cast<unsigned char>(c) == 0xA0)
            c = '"';
    }
    return result;
}
