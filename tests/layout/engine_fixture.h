#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "layout/stampa_documento_base.h"
#include "util/numbers.h"

// An engine with an Italian-style document (comma decimals, point thousands, two currency decimals) and
// an empty 72-row page, ready for one composing operation.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetNumberSeparators(',', '.');
        engine.setCaptionDefaults(true);
        TRecDocObjectBase record;
        record.DocKind = 3;
        record.PriceKind = 0;
        record.DocCurrency = "EUR";
        record.BaseCurrency = "EUR";
        record.DocCurrencyDecimals = 2;
        record.BaseCurrencyDecimals = 2;
        engine.loadDocument(record, 1);
        engine.page = std::make_unique<TPagina>();
    }

    // Appends a document line and answers its index.
    int addLine(const std::string& code, const std::string& description, const std::string& quantity = "",
                const std::string& price = "", double amount = 0, const std::string& vat = "",
                const std::string& discount = "") {
        const int index = engine.document.Lines.Add("");
        TRecRigaDocObject* line = engine.document.Lines.Line(index);
        line->ArticleCode = code;
        line->Description = description;
        line->Quantity = quantity;
        line->UnitPrice = price;
        line->Amount = amount;
        line->VatCode = vat;
        line->Discount = discount;
        return index;
    }

    std::string row(int r) const { return engine.page->rowText(r); }
    // The columns first to last (1-based) of a page row.
    std::string columns(int r, int first, int last) const {
        return row(r).substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
    }
    // The page row without its trailing blanks.
    std::string trimmedRow(int r) const {
        const std::string text = row(r);
        const size_t end = text.find_last_not_of(' ');
        return end == std::string::npos ? std::string() : text.substr(0, end + 1);
    }

    // A row holding each text at its 1-based column, without trailing blanks.
    static std::string placed(std::initializer_list<std::pair<int, std::string>> texts) {
        std::string text;
        for (const auto& [column, value] : texts) {
            if (text.size() < static_cast<size_t>(column - 1) + value.size())
                text.resize(static_cast<size_t>(column - 1) + value.size(), ' ');
            text.replace(static_cast<size_t>(column - 1), value.size(), value);
        }
        return text;
    }

    TStampaDocumentoBase engine{"retino.bmp", "", false};
};
