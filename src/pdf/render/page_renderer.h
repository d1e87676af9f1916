#pragma once

#include "pdf/render/render_limits.h"
#include "pdf/render/render_matrix.h"
#include "pdf/render/render_outcome.h"
#include "pdf/render/render_sink.h"

class TPDFDocument;

// Draws page `pageNumber` (1-based) of a document into a sink: its /Contents (one stream or an array,
// decoded through their filters) with its /Resources (looked up through the page's parents), clipped to
// the page box. `pageToDevice` maps the page's default user space to the sink's device space (see
// PlacePageOnSheet). The document is only read: selecting pages or adding streams is left to its owner.
RenderOutcome RenderPdfPage(TPDFDocument& document, int pageNumber, RenderSink& sink,
                            const RenderMatrix& pageToDevice, const RenderLimits& limits = RenderLimits());
