#pragma once

// How far a page was drawn.
enum class RenderOutcome {
    Complete, // everything the renderer can draw was drawn
    Partial,  // a bound was reached or a content stream could not be read; the rest was left out
    Failed,   // no such page, or the document's streams are encrypted
};
