#include "pdf/reader/filter_chain.h"

#include <cmath>
#include <vector>

namespace {

// Filters chained in one stream at most; more is not a real file.
constexpr std::size_t kMaxFilters = 16;

TPDFObject* resolved(const TPDFValueResolver& resolve, TPDFObject* value) {
    return resolve ? resolve(value) : value;
}

int integerEntry(TPDFDictionary* parms, std::string_view key, int fallback,
                 const TPDFValueResolver& resolve) {
    if (!parms)
        return fallback;
    auto* numeric = AsNumeric(resolved(resolve, parms->Get(key)));
    if (!numeric || !std::isfinite(numeric->value) || numeric->value < -1e9 || numeric->value > 1e9)
        return fallback;
    return static_cast<int>(numeric->value);
}

bool applyOne(std::string_view filter, TPDFDictionary* parms, std::string_view in, std::string& out,
              const TPDFValueResolver& resolve, std::size_t maxOutput) {
    if (filter == "FlateDecode" || filter == "Fl" || filter == "LZWDecode" || filter == "LZW") {
        const bool flate = filter == "FlateDecode" || filter == "Fl";
        const bool ok =
            flate ? FlateDecodeData(in, out, maxOutput)
                  : LZWDecodeData(in, out, integerEntry(parms, "EarlyChange", 1, resolve), maxOutput);
        if (!ok)
            return false;
        TPDFPredictorParams params;
        params.predictor = integerEntry(parms, "Predictor", 1, resolve);
        params.colors = integerEntry(parms, "Colors", 1, resolve);
        params.bitsPerComponent = integerEntry(parms, "BitsPerComponent", 8, resolve);
        params.columns = integerEntry(parms, "Columns", 1, resolve);
        return ApplyPredictor(out, params);
    }
    if (filter == "ASCII85Decode" || filter == "A85")
        return ASCII85DecodeData(in, out, maxOutput);
    return false;
}

} // namespace

bool DecodeStreamFilters(const TPDFDictionary& dictionary, std::string_view data, std::string& out,
                         const TPDFValueResolver& resolve, std::size_t maxOutput) {
    std::vector<std::string_view> filters;
    std::vector<TPDFDictionary*> parms;
    TPDFObject* filterValue = resolved(resolve, dictionary.Get("Filter"));
    TPDFObject* parmsValue = resolved(resolve, dictionary.Get("DecodeParms"));
    if (auto* name = AsName(filterValue)) {
        filters.push_back(name->bytes);
        auto* p = AsDictionary(parmsValue);
        auto* parmsArray = AsArray(parmsValue);
        if (!p && parmsArray) {
            p = AsDictionary(resolved(resolve, parmsArray->Item(0)));
        }
        parms.push_back(p);
    } else if (auto* array = AsArray(filterValue)) {
        auto* parmsArray = AsArray(parmsValue);
        for (std::size_t i = 0; i < array->Count(); ++i) {
            auto* filterName = AsName(resolved(resolve, array->Item(i)));
            if (!filterName)
                return false;
            filters.push_back(filterName->bytes);
            parms.push_back(parmsArray ? AsDictionary(resolved(resolve, parmsArray->Item(i)))
                                       : (i == 0 ? AsDictionary(parmsValue) : nullptr));
        }
    } else if (filterValue && filterValue->Kind() != TPDFObjectKind::Null) {
        return false;
    }
    if (filters.size() > kMaxFilters)
        return false;
    if (filters.empty()) {
        if (data.size() > maxOutput)
            return false;
        out.assign(data);
        return true;
    }
    std::string current(data);
    for (std::size_t i = 0; i < filters.size(); ++i) {
        std::string next;
        if (!applyOne(filters[i], parms[i], current, next, resolve, maxOutput))
            return false;
        current.swap(next);
    }
    out.swap(current);
    return true;
}
