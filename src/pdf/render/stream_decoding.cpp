#include "pdf/render/stream_decoding.h"

#include "pdf/model/document.h"
#include "pdf/reader/filter_chain.h"

namespace {

bool IsJpegFilter(TPDFObject* value) {
    TPDFName* name = AsName(value);
    return name && (name->bytes == "DCTDecode" || name->bytes == "DCT");
}

} // namespace

bool EndsInJpegFilter(TPDFDocument& document, const TPDFStream& stream) {
    TPDFObject* filter = document.Resolve(stream.dictionary->Get("Filter"));
    if (TPDFArray* filters = AsArray(filter))
        return filters->Count() > 0 && IsJpegFilter(document.Resolve(filters->items.back()));
    return IsJpegFilter(filter);
}

bool DecodeStreamForRendering(TPDFDocument& document, const TPDFStream& stream, std::size_t maxOutput,
                              std::string& out, bool& jpeg) {
    out.clear();
    jpeg = false;
    auto resolve = [&document](TPDFObject* value) { return document.Resolve(value); };
    if (!EndsInJpegFilter(document, stream))
        return DecodeStreamFilters(*stream.dictionary, stream.data, out, resolve, maxOutput);

    jpeg = true;
    TPDFArray* filters = document.ResolveArray(stream.dictionary->Get("Filter"));
    // The filters before DCTDecode, with their parameters, in a dictionary of their own.
    TPDFArray before;
    TPDFArray beforeParms;
    if (filters) {
        TPDFArray* parms = document.ResolveArray(stream.dictionary->Get("DecodeParms"));
        for (std::size_t i = 0; i + 1 < filters->Count(); ++i) {
            before.Add(filters->Item(i));
            beforeParms.Add(parms ? parms->Item(i) : nullptr);
        }
    }
    if (before.Count() == 0) {
        if (stream.data.size() > maxOutput)
            return false;
        out = stream.data;
        return true;
    }
    TPDFNull null;
    for (TPDFObject*& parm : beforeParms.items)
        if (!parm)
            parm = &null;
    TPDFDictionary chain;
    chain.Set("Filter", &before);
    chain.Set("DecodeParms", &beforeParms);
    return DecodeStreamFilters(chain, stream.data, out, resolve, maxOutput);
}
