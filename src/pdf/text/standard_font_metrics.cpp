#include "pdf/text/standard_font_widths.h"

// Font boxes, ascents and descents of the standard fonts (1/1000 em), the values every PDF consumer
// assumes for them.
const std::array<TStandardFontMetrics, StandardFontCount> StandardFontMetrics = {{
    {"Courier", -28, -250, 628, 805, 629, -157, 24, 255, true},
    {"Courier-Bold", -113, -250, 749, 801, 626, -142, 24, 255, true},
    {"Courier-BoldOblique", -56, -250, 868, 801, 626, -142, 24, 255, true},
    {"Courier-Oblique", -28, -250, 742, 805, 629, -157, 24, 255, true},
    {"Helvetica", -166, -225, 1000, 931, 718, -207, 24, 255, true},
    {"Helvetica-Bold", -170, -228, 1003, 962, 718, -207, 24, 255, true},
    {"Helvetica-BoldOblique", -174, -228, 1114, 962, 718, -207, 24, 255, true},
    {"Helvetica-Oblique", -170, -225, 1116, 931, 718, -207, 24, 255, true},
    {"Times-Roman", -168, -218, 1000, 898, 683, -217, 24, 255, true},
    {"Times-Bold", -168, -218, 1000, 935, 676, -205, 24, 255, true},
    {"Times-Italic", -169, -217, 1010, 883, 683, -205, 24, 255, true},
    {"Times-BoldItalic", -200, -218, 996, 921, 699, -205, 24, 255, true},
    {"Symbol", -180, -293, 1090, 1010, 699, -205, 32, 254, false},
    {"ZapfDingbats", -180, -293, 1090, 1010, 699, -205, 32, 254, false},
}};
