#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "pdf/model/object.h"
#include "pdf/reader/filters.h"

// Follows an indirect reference to its value (identity for direct values); may return nullptr.
using TPDFValueResolver = std::function<TPDFObject*(TPDFObject*)>;

// Applies the filters named by a stream dictionary's /Filter (a name or an array of names), in order,
// with their /DecodeParms: FlateDecode (Fl) with predictors, ASCII85Decode (A85), LZWDecode (LZW).
// Without /Filter the data is copied unchanged. False for an unknown filter or malformed data.
bool DecodeStreamFilters(const TPDFDictionary& dictionary, std::string_view data, std::string& out,
                         const TPDFValueResolver& resolve, std::size_t maxOutput = kMaxDecodedStreamBytes);
