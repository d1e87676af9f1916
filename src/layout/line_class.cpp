#include "layout/line_class.h"

#include "docdata/code_tables.h"
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
