#include "layout/form_tables.h"

const std::array<TFormBox, 7> kHeaderBoxes = {{
    {{{36, 0, 13}, {61, 0, 12}, {61, 2, 10}, {36, 2, 11}}},   // document
    {{{62, 0, 13}, {73, 0, 12}, {73, 2, 10}, {62, 2, 11}}},   // date
    {{{73, 0, 13}, {77, 0, 12}, {77, 2, 10}, {73, 2, 11}}},   // page
    {{{36, 3, 13}, {53, 3, 12}, {53, 5, 10}, {36, 5, 11}}},   // customer VAT number
    {{{54, 3, 13}, {65, 3, 12}, {65, 5, 10}, {54, 5, 11}}},   // customer code
    {{{66, 3, 13}, {77, 3, 12}, {77, 5, 10}, {66, 5, 11}}},   // agent code
    {{{36, 6, 13}, {77, 6, 12}, {77, 10, 10}, {36, 10, 11}}}, // notes
}};

const std::array<TFormFill, 4> kCustomerFrameFills = {{
    {{36, 11, 13}, {77, 12, 12}},
    {{36, 17, 11}, {77, 18, 10}},
    {{36, 11, 13}, {38, 17, 11}},
    {{75, 11, 12}, {77, 17, 12}},
}};

const std::array<TFormBox, 2> kCustomerOutlines = {{
    {{{36, 11, 13}, {77, 11, 12}, {77, 18, 10}, {36, 18, 11}}},
    {{{38, 12, 13}, {75, 12, 12}, {75, 17, 10}, {38, 17, 11}}},
}};

namespace {
constexpr int R = kTransportRowsMark;
} // namespace

const std::array<TFormBox, 11> kTransportBoxes = {{
    {{{0, 0, 1}, {16, 0, 1}, {16, 2, 1}, {0, 2, 1}}},   // transport by
    {{{16, 0, 1}, {47, 0, 1}, {47, 2, 1}, {16, 2, 1}}}, // reason
    {{{47, 0, 1}, {58, 0, 2}, {58, 2, 2}, {47, 2, 1}}}, // terms of carriage
    {{{58, 0, 2}, {80, 0, 1}, {80, 2, 1}, {58, 2, 2}}}, // date
    {{{0, 2, 1}, {16, 2, 1}, {16, 4, 1}, {0, 4, 1}}},   // packages
    {{{16, 2, 1}, {47, 2, 1}, {47, 4, 1}, {16, 4, 1}}}, // appearance
    {{{47, 2, 1}, {58, 2, 2}, {58, 4, 2}, {47, 4, 1}}}, // weight
    {{{58, 2, 2}, {80, 2, 1}, {80, 4, 1}, {58, 4, 2}}}, // driver's signature
    {{{0, 4, 1}, {58, 4, 2}, {58, R, 2}, {0, R, 1}}},   // carrier
    {{{58, 4, 2}, {80, 4, 1}, {80, 6, 1}, {58, 6, 2}}}, // carrier's signature
    {{{58, 6, 2}, {80, 6, 1}, {80, R, 1}, {58, R, 2}}}, // recipient's signature
}};

const std::array<THeaderCaption, 6> kHeaderCaptions = {{
    {"DOCUMENTO", 36, 0, 26},
    {"DATA.DOC", 62, 0, 12},
    {"PAG.", 73, 0, 5},
    {"PARTITA IVA CLIENTE", 36, 3, 18},
    {"CODICE CLIENTE", 54, 3, 12},
    {"CODICE AGENTE", 66, 3, 12},
}};

const std::array<TTransportCaption, 11> kTransportCaptions = {{
    {"Trasporto a mezzo:", 0, 0, 17, 2},
    {"Causale del trasporto", 16, 0, 30, 2},
    {"Porto", 47, 0, 10, 2},
    {"Data inizio trasporto", 58, 0, 23, 3},
    {"Nr. Colli", 0, 2, 17, 2},
    {"Aspetto esteriore dei beni", 16, 2, 30, 2},
    {"Peso", 47, 2, 10, 2},
    {"Firma del conducente", 58, 2, 23, 3},
    {"Vettore", 0, 4, 57, 2},
    {"Firma del vettore", 58, 4, 23, 3},
    {"Firma del destinatario", 58, 6, 23, 3},
}};

const std::array<TColumnCaptionPlace, 8> kColumnCaptions80 = {{
    {1, -6},
    {8, -26},
    {35, -2},
    {38, 7},
    {45, 11},
    {57, -6},
    {64, 11},
    {76, 3},
}};

const std::array<TColumnCaptionPlace, 8> kColumnCaptions132 = {{
    {1, -15},
    {16, -67},
    {83, -2},
    {86, 8},
    {95, 12},
    {108, -5},
    {115, 12},
    {128, 4},
}};

const std::array<int, 6> kColumnRules80 = {7, 34, 37, 45, 56, 75};
const std::array<int, 7> kColumnRules132 = {15, 82, 86, 95, 108, 115, 128};
