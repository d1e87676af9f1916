#include "layout/line_class.h"

#include "docdata/code_tables.h"
#include "docdata/document_record.h"
#include "layout/fixed_text.h"

bool IsStarLine(const std::string& code) {
    const std::string trimmed = fixed_text::Trim(code);
    return !trimmed.empty() && trimmed[0] == '*';
}

TLineClass ClassifyLine(const std::string& code) {
    if (IsArticleCode(code))
        return TLineClass::Article;
    if (IsBlankCode(code))
        return TLineClass::Free;
    if (IsPercentLine(code))
        return TLineClass::Percent;
    if (IsStarLine(code))
        return TLineClass::Star;
    if (IsDashLine(code))
        return TLineClass::Dash;
    if (IsColonLine(code))
        return TLineClass::Comment;
    if (IsEqualsLine(code))
        return TLineClass::Equal;
    if (IsArrowKindLine(code))
        return TLineClass::Special;
    return TLineClass::Other;
}

bool IsEmptyDocumentLine(const TRecRigaDocObject& line) {
    for (const std::string* text :
         {&line.ArticleCode, &line.Description, &line.Unit, &line.Quantity, &line.Column5, &line.Column6,
          &line.Column7, &line.UnitPrice, &line.Discount, &line.VatCode, &line.Column11, &line.AltPrice}) {
        if (!fixed_text::Trim(*text).empty())
            return false;
    }
    return line.Amount == 0 && line.Amount2 == 0;
}
