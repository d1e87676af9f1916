#pragma once

#include <cstddef>

// Bounds on the work of interpreting one page, so that a hostile or broken file cannot make the renderer
// run out of time or memory. When a bound is reached the page is left as far as it was drawn.
struct RenderLimits {
    std::size_t maxOperators = 4'000'000;       // operators, those of form XObjects included
    std::size_t maxOperands = 64;               // operands kept before an operator; older ones drop
    std::size_t maxArrayItems = 100'000;        // items of one array or dictionary operand
    int maxOperandNesting = 8;                  // arrays and dictionaries inside operands
    int maxSavedStates = 256;                   // nested q; deeper ones (and their Q) are ignored
    int maxFormDepth = 12;                      // form XObjects drawn inside form XObjects
    std::size_t maxPathPoints = 20'000'000;     // points of all paths painted
    std::size_t maxGlyphs = 20'000'000;         // glyphs of all text shown
    std::size_t maxImagePixels = 64u << 20;     // pixels of one image
    std::size_t maxImagePixelsDrawn = 1u << 30; // pixels of all images drawn (the same image counts again)
    std::size_t maxDecodedBytes = 768u << 20;   // bytes of all streams decoded (content and images)
};
