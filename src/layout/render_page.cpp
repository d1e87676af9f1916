#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <system_error>

#include "docdata/issuer_data.h"
#include "layout/form_tables.h"
#include "layout/render_page.h"
#include "layout/stampa_documento_base.h"
#include "platform/jpeg_image.h"
#include "platform/mono_page_bitmap.h"
#include "util/strings.h"

namespace {

constexpr int kBold = 1;
constexpr int kItalic = 2;
constexpr int kFormDotsPerInch = 600;

bool fileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool isBlank(const std::string& text) {
    return TrimControl(text).empty();
}

// printf "%-Ns" (negative width) or "%Ns": the text padded with blanks to the width, never cut.
std::string padded(const std::string& text, int width) {
    const int size = static_cast<int>(text.size());
    const int length = std::abs(width);
    if (size >= length) {
        return text;
    }
    return width < 0 ? text + std::string(length - size, ' ') : std::string(length - size, ' ') + text;
}

void drawBox(TTavMetaObject& form, const TFormBox& box, int zoneTop, int extraRows) {
    std::array<TCellPoint, 4> points;
    for (std::size_t i = 0; i < box.size(); ++i) {
        const int dr = box[i].dr == kTransportRowsMark ? extraRows : box[i].dr;
        points[i] = {box[i].col, zoneTop + dr, box[i].anchor};
    }
    form.DrawPolygon(points, 3, bsClear);
}

void drawBox(TTavMetaObject& form, TCellPoint a, TCellPoint b, TCellPoint c, TCellPoint d) {
    const std::array<TCellPoint, 4> points = {a, b, c, d};
    form.DrawPolygon(points, 3, bsClear);
}

bool isTransportLayout(const std::string& layoutKind) {
    return layoutKind == "P" || layoutKind == "U";
}

void drawLetterhead(TStampaDocumentoBase& engine, TTavMetaObject& f) {
    const int H = engine.HeaderTop;
    const TDatiGlobali& issuer = IssuerData;
    f.SetBrushColor(clWhite);
    f.SetPitch(1);
    f.SetFontStyle(kBold);
    const int k = std::min(f.FitScale(32, 180, issuer.Name1), f.FitScale(32, 180, issuer.Name2));
    const int y = f.DrawTextBox(2, H + 1, 0, k, issuer.Name1, 32, 1);
    int e = 2;
    if (y > TTavMetaObject::CellHeight) {
        f.DrawTextBox(2, H + 2, 0, k, issuer.Name2, 32, 4);
        e = 3;
    } else {
        f.DrawTextBox(2, H + 2, 0, k, issuer.Name2, 32, 1);
    }
    f.SetFontStyle(0);
    f.SetFontScale(75);
    f.DrawCaption(2, H + e + 2, 0, padded(issuer.Street, -30), 32, 1);
    f.DrawCaption(2, H + e + 3, 0, padded(issuer.Town, -27) + " " + padded(issuer.Province, -2), 32, 1);
    f.SetFontScale(70);
    int n = e + 5;
    if (issuer.VatNumber != issuer.FiscalCode) {
        f.DrawCaption(2, H + n, 0, "partita iva:", 12, 1);
        f.DrawCaption(11, H + n, 256, "IT" + issuer.VatNumber, 15, 1);
        n = e + 6;
        f.DrawCaption(2, H + n, 0, "cod.fiscale:", 12, 1);
        f.DrawCaption(11, H + n, 256, issuer.FiscalCode, 15, 1);
    } else {
        f.DrawCaption(2, H + n, 0, "p.iva=c.fisc", 12, 1);
        f.DrawCaption(14, H + n, 2, "IT" + issuer.VatNumber, 12, 1);
    }
    f.SetFontScale(75);
    if (!isBlank(issuer.Extra1)) {
        f.DrawCaption(2, H + n + 2, 0, padded(issuer.Extra1, -30), 32, 1);
        n += 3;
    } else {
        n += 2;
    }
    if (!isBlank(issuer.Extra2)) {
        f.DrawCaption(2, H + n, 0, padded(issuer.Extra2, -30), 32, 1);
        n += 1;
    }
    drawBox(f, {0, H, 1}, {35, H, 1}, {35, H + n + 1, 1}, {0, H + n + 1, 1});
    f.SetFontScale(100);
}

void drawBodyColumns(TStampaDocumentoBase& engine, TTavMetaObject& f) {
    const int B = engine.BodyTop;
    const int end = engine.BodyTop + engine.BodyRows;
    f.SetFontColor(clBlack);
    f.SetPitch(engine.option94 ? 1 : 2);
    f.SetFontStyle(kBold);
    const int m = engine.pageBodyMark < 1 ? B : engine.pageBodyMark;
    if (engine.option95 && m > 0) {
        if (engine.option94) {
            drawBox(f, {0, m, 4}, {80, m, 4}, {80, end, 7}, {0, end, 7});
            for (int x : kColumnRules80) {
                drawBox(f, {x, m, 5}, {80, m, 4}, {80, end, 7}, {x, end, 8});
            }
            drawBox(f, {64, m, 4}, {80, m, 4}, {80, end, 7}, {64, end, 7});
        } else {
            drawBox(f, {0, m, 4}, {133, m, 6}, {133, end, 9}, {0, end, 7});
            for (int x : kColumnRules132) {
                drawBox(f, {x, m, 4}, {133, m, 6}, {133, end, 9}, {x, end, 7});
            }
        }
    }
    f.SetFontScale(74);
    if (engine.captions) {
        const TTavPersoStampanteFatt& c = *engine.captions;
        const std::array<const std::string*, 8> texts = {
            &c.codeCaption,  &c.descriptionCaption, &c.unitCaption,   &c.quantityCaption,
            &c.priceCaption, &c.discountCaption,    &c.amountCaption, &c.vatCaption};
        const auto& places = engine.option94 ? kColumnCaptions80 : kColumnCaptions132;
        for (std::size_t i = 0; i < places.size(); ++i) {
            f.DrawTextCells(places[i].col, B - 1, 8, padded(*texts[i], places[i].width), 4);
        }
    }
    f.SetFontStyle(0);
    f.SetFontScale(100);
}

void drawFormCaptions(TStampaDocumentoBase& engine, TTavMetaObject& f) {
    const int H = engine.HeaderTop;
    const int S = engine.TotalsTop;
    const int T = engine.TransportTop;
    f.SetFontColor(clBlack);
    f.SetPitch(1);
    f.SetFontStyle(0);
    f.ColumnOffset = 3;
    f.SetFontScale(40);
    for (const THeaderCaption& caption : kHeaderCaptions) {
        f.DrawCaption(caption.col, H + caption.dr, 1, std::string(caption.text), caption.cols, 1);
    }
    f.SetFontScale(100);
    f.ColumnOffset = 0;

    if (engine.isPricedDocument()) {
        if (engine.isSingleCurrency() && (engine.isKind4() || engine.isKind3()) && engine.ShowDueCaptions) {
            f.SetFontStyle(0);
            f.SetFontScale(60);
            f.DrawCaption(1, S + 1, 0, "SCADENZA", 10, 1);
            f.DrawCaption(10, S + 1, 258, "IMPORTO", 11, 1);
            f.SetFontScale(100);
        }
        if (engine.isPriceMode0NotKind5() && engine.ShowVatCaptions) {
            f.SetFontStyle(0);
            f.SetFontScale(60);
            f.DrawCaption(24, S + 1, 0, "COD IVA", 9, 1);
            f.DrawCaption(39, S + 1, 258, "IMPONIBILE", 8, 1);
            f.DrawCaption(50, S + 1, 2, "IMPOSTA", 7, 1);
            f.SetFontScale(100);
        }
        if (engine.isPriceMode0NotKind5()) {
            f.SetFontStyle(kBold);
            f.SetFontScale(70);
            f.DrawCaption(59, S + 1, 0, engine.TotalsCaptions[0], 7, 1);
            f.SetFontStyle(0);
        }
        f.SetFontStyle(kBold);
        f.SetFontScale(70);
        f.DrawCaption(59, S + 2, 0, engine.TotalsCaptions[1], 7, 1);
        f.DrawCaption(59, S + 3, 0, engine.TotalsCaptions[2], 7, 1);
        const std::string slot3 = TrimControl(engine.TotalsCaptions[3]);
        if (!slot3.empty()) {
            f.DrawCaption(59, S + 4, 256, slot3, static_cast<int>(engine.TotalsCaptions[3].size()), 1);
        }
        f.DrawCaption(59, S + 5, 0, engine.TotalsCaptions[4], 7, 1);
        f.SetFontStyle(0);
        f.SetFontScale(100);
    }
    if ((engine.isKind4() || engine.isKind5()) && isTransportLayout(engine.layoutKind)) {
        f.SetFontStyle(kBold | kItalic);
        f.SetFontScale(66);
        for (const TTransportCaption& caption : kTransportCaptions) {
            f.DrawCaption(caption.col, T + caption.dr, 0, std::string(caption.text), caption.cols,
                          caption.anchor);
        }
        f.SetFontStyle(0);
        f.SetFontScale(100);
    }
}

void drawFooter(TStampaDocumentoBase& engine, TTavMetaObject& f) {
    f.SetFontColor(clBlack);
    f.SetPitch(engine.footerCompressed ? 2 : 1);
    f.SetFontStyle(kBold | kItalic);
    const std::string text = engine.footerText1 + '\r' + engine.footerText2 + '\r' + engine.footerText3;
    f.SetFontScale(100);
    int alignment = -1;
    switch (engine.footerAlignment) {
    case 0:
        alignment = 0;
        break;
    case 2:
        alignment = 1;
        break;
    case 1:
        alignment = 2;
        break;
    default:
        break;
    }
    if (alignment >= 0) {
        f.DrawTextBlock(0, engine.FooterTop, alignment, engine.footerSize, text, 4, 80, 7);
    }
    f.SetFontStyle(0);
    f.SetFontScale(100);
}

} // namespace

TLogoFrame ComputeLogoFrame(int left, int top, int width, int height, int pageRows, int imageWidth,
                            int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0 || pageRows <= 0 || width <= 0 || height <= 0) {
        return {};
    }
    const long wmax = width / 80 * 35;
    const long hmax = height / pageRows * 18;
    long w = 0;
    long h = 0;
    if (imageWidth < imageHeight) {
        h = hmax;
        w = std::lround(static_cast<double>(hmax) * imageWidth / imageHeight);
        if (w > wmax) {
            h = std::lround(static_cast<double>(wmax) * hmax / w);
            w = wmax;
        }
    } else {
        w = wmax;
        h = std::lround(static_cast<double>(wmax) * imageHeight / imageWidth);
        if (h > hmax) {
            w = std::lround(static_cast<double>(wmax) * hmax / h);
            h = hmax;
        }
    }
    return {left, top, left + static_cast<int>(w), top + static_cast<int>(h)};
}

bool TStampaDocumentoBase::RenderPage(int pageRows, int width, int margin, int height) {
    if (!form) {
        form = std::make_unique<TTavMetaObject>(halftonePath);
    }
    TTavMetaObject& f = *form;
    const int H = HeaderTop;
    const int B = BodyTop;
    const int BR = BodyRows;
    const int S = TotalsTop;
    const int T = TransportTop;
    const bool printLetterhead = captions && captions->printLetterhead;
    const bool logoExists = fileExists(logoFile);
    const bool priced = isPricedDocument();
    const bool transportBoxes = (isKind4() || isKind5()) && isTransportLayout(layoutKind);

    // Page text.
    f.RowOffset = 0;
    f.ColumnOffset = 0;
    // A canvas that cannot begin the page would give a blank page: the page fails instead.
    if (!f.BeginPage(width, "Courier New", 1, 134, 80, pageRows, height))
        return false;
    f.SetPenWidth(1);
    f.SetPenColor(clBlack);
    f.SetFontColor(clBlack);
    if (page) {
        for (int i = 0; i < page->lineCount(); ++i) {
            const std::string text = page->rowText(i);
            if (!isBlank(text)) {
                f.DrawTextRow(1, i + topRows + 1, -1, page->rowSecondPitch(i), text, 1);
            }
        }
    }
    f.RowOffset = topRows;
    f.SetPenWidth(1);
    f.SetPitch(1);

    // Logo placeholder: a shaded box where the missing logo would go.
    if (printLetterhead && printLogo && option92 && !logoExists && optionP) {
        f.SetShading(true);
        f.FillCells({0, H, 1}, {35, H + 17, 9});
        f.SetShading(false);
        drawBox(f, {0, H, 1}, {35, H, 3}, {35, H + 17, 9}, {0, H + 17, 7});
    }

    // Header zone: boxes, the shaded frame of the customer block, its outlines.
    f.ColumnOffset = 3;
    f.SetPitch(1);
    for (const TFormBox& box : kHeaderBoxes) {
        drawBox(f, box, H, 0);
    }
    f.SetShading(halftone);
    for (const TFormFill& fill : kCustomerFrameFills) {
        f.FillCells({fill.from.col, H + fill.from.dr, fill.from.anchor},
                    {fill.to.col, H + fill.to.dr, fill.to.anchor});
    }
    f.SetShading(false);
    for (const TFormBox& box : kCustomerOutlines) {
        drawBox(f, box, H, 0);
    }

    // Body frame with its shaded caption band.
    f.ColumnOffset = 0;
    f.SetPitch(2);
    f.SetShading(halftone);
    f.FillCells({0, B - 1, 1}, {133, B, 6});
    f.SetShading(false);
    drawBox(f, {0, B - 1, 1}, {133, B - 1, 3}, {133, B + BR, 9}, {0, B + BR, 7});
    drawBox(f, {0, B, 4}, {133, B, 6}, {133, B + BR, 9}, {0, B + BR, 7});

    if (priced) {
        f.SetPitch(1);
        drawBox(f, {0, S + 1, 1}, {21, S + 1, 3}, {21, S + 6, 3}, {0, S + 6, 1});
        drawBox(f, {23, S + 1, 1}, {57, S + 1, 2}, {57, S + 6, 2}, {23, S + 6, 1});
        drawBox(f, {58, S + 1, 2}, {80, S + 1, 1}, {80, S + 6, 1}, {58, S + 6, 2});
    }
    if (transportBoxes) {
        f.SetPitch(1);
        const int rows = BottomTransportRows();
        for (const TFormBox& box : kTransportBoxes) {
            drawBox(f, box, T, rows);
        }
    }

    f.SetFontName("Arial");
    f.SetFontColor(clBlack);

    if (printLetterhead && (!printLogo || (!logoExists && !(option92 && optionP)))) {
        drawLetterhead(*this, f);
    }
    drawBodyColumns(*this, f);
    drawFormCaptions(*this, f);
    if (hasFooterText()) {
        drawFooter(*this, f);
    }

    f.EndPage();
    f.RowOffset = 0;

    // Output.
    logoFrame = {};
    if (pdfOutput) {
        if (!pageBitmap) {
            pageBitmap = std::make_unique<MonoPageBitmap>();
        }
        // Drawn straight into formStream, whose memory serves page after page.
        pageBitmap->begin(formStream, 2 * margin + width, height, kFormDotsPerInch);
        f.PlayTo(*pageBitmap, margin, 0);
    } else if (printerCanvas.target != nullptr) {
        f.PlayTo(*printerCanvas.target, margin, 0);
    }

    if (printLogo && logoExists && pageRows > 0) {
        if (pdfOutput) {
            int imageWidth = 0;
            int imageHeight = 0;
            if (JpegImage::readSize(logoBytes(), imageWidth, imageHeight)) {
                const int top = height / (pageRows + 2) * (topRows + 1);
                logoFrame = ComputeLogoFrame(margin, top, width, height, pageRows, imageWidth, imageHeight);
            }
        } else if (printerCanvas.target != nullptr) {
            const JpegImage image = JpegImage::decode(logoBytes());
            if (!image.empty()) {
                const int top =
                    static_cast<int>(static_cast<long>(topRows + 1) * printerCanvas.resolutionY / 6) +
                    printerCanvas.topOffset;
                const TLogoFrame box =
                    ComputeLogoFrame(margin, top, width, height, pageRows, image.width(), image.height());
                printerCanvas.target->drawImage(image.raster(), box.left, box.top, box.right - box.left,
                                                box.bottom - box.top);
            }
        }
    }
    return true;
}
