#pragma once

#include <array>
#include <string_view>

#include "layout/tav_meta_object.h"

// The fixed tables of the pre-printed form. Rows are relative to a zone top (header H, transport T):
// a corner {col, dr, anchor} lies at row zone + dr.
struct TFormCorner {
    int col;
    int dr;
    int anchor;
};

using TFormBox = std::array<TFormCorner, 4>;

struct TFormFill {
    TFormCorner from;
    TFormCorner to;
};

// Header boxes around the document, date, page, customer VAT number, customer code, agent code and notes.
extern const std::array<TFormBox, 7> kHeaderBoxes;
// The halftone frame of the customer block.
extern const std::array<TFormFill, 4> kCustomerFrameFills;
// Outer and inner outline of the customer block.
extern const std::array<TFormBox, 2> kCustomerOutlines;
// Transport boxes; a dr of kTransportRowsMark stands for the transport block's row count.
constexpr int kTransportRowsMark = 1000;
extern const std::array<TFormBox, 11> kTransportBoxes;

// Small captions above the header boxes, drawn centred at scale 40.
struct THeaderCaption {
    std::string_view text;
    int col;
    int dr;
    int cols;
};
extern const std::array<THeaderCaption, 6> kHeaderCaptions;

// Captions of the transport boxes, bold italic at scale 66.
struct TTransportCaption {
    std::string_view text;
    int col;
    int dr;
    int cols;
    int anchor;
};
extern const std::array<TTransportCaption, 11> kTransportCaptions;

// Column captions of the line body: column and printf-style width (negative: left-aligned).
struct TColumnCaptionPlace {
    int col;
    int width;
};
extern const std::array<TColumnCaptionPlace, 8> kColumnCaptions80;
extern const std::array<TColumnCaptionPlace, 8> kColumnCaptions132;

// Left edges of the body column rules.
extern const std::array<int, 6> kColumnRules80;
extern const std::array<int, 7> kColumnRules132;
