#include "pdf/render/page_renderer.h"

#include <cmath>
#include <string>

#include "pdf/model/document.h"
#include "pdf/render/content_interpreter.h"
#include "pdf/render/page_box.h"

RenderOutcome RenderPdfPage(TPDFDocument& document, int pageNumber, RenderSink& sink,
                            const RenderMatrix& pageToDevice, const RenderLimits& limits) {
    TPDFDictionary* page = document.pageTree.Page(pageNumber);
    // The loader does not decrypt: the streams of an encrypted document cannot be read.
    const double determinant = pageToDevice.a * pageToDevice.d - pageToDevice.b * pageToDevice.c;
    if (!page || document.encrypted || !pageToDevice.IsBounded(1e15) || !(std::fabs(determinant) >= 1e-12))
        return RenderOutcome::Failed;

    ContentInterpreter interpreter(document, sink, limits);
    // The contents, one stream after the other; a stream that cannot be read is left out.
    std::string content;
    TPDFObject* contents = document.Resolve(page->Get("Contents"));
    auto append = [&](TPDFObject* item) {
        TPDFStream* stream = AsStream(document.Resolve(item));
        std::string data;
        if (!stream || !interpreter.DecodeContent(*stream, data)) {
            interpreter.MarkPartial();
            return;
        }
        content += data;
        content += '\n'; // an operator never runs on into the next stream
    };
    if (TPDFArray* array = AsArray(contents)) {
        for (TPDFObject* item : array->items)
            append(item);
    } else if (contents) {
        append(contents);
    }

    TPDFDictionary* resources =
        document.ResolveDictionary(InheritedPageAttribute(document, *page, "Resources"));
    const PageBox box = ReadPageBox(document, *page);
    sink.SaveState();
    RenderPath clip;
    clip.Rectangle(box.x1, box.y1, box.Width(), box.Height());
    sink.ClipPath(clip, pageToDevice, RenderFillRule::NonZero);
    interpreter.Draw(content, resources, pageToDevice);
    sink.RestoreState();
    return interpreter.Outcome();
}
