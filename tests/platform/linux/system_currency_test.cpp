#include "platform/system_currency.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets LC_ALL for one test and puts back what was there.
class LocaleVariable {
public:
    explicit LocaleVariable(const char* value) {
        if (const char* old = std::getenv("LC_ALL"))
            saved_ = old;
        setenv("LC_ALL", value, 1);
    }
    ~LocaleVariable() {
        if (saved_)
            setenv("LC_ALL", saved_->c_str(), 1);
        else
            unsetenv("LC_ALL");
        InitCurrencySymbolFromLocale();
    }
    LocaleVariable(const LocaleVariable&) = delete;
    LocaleVariable& operator=(const LocaleVariable&) = delete;

private:
    std::optional<std::string> saved_;
};

TEST(SystemCurrency, SymbolOfTheLocaleInWindows1252) {
    const struct {
        const char* locale;
        const char* symbol;
    } cases[] = {{"it_IT.UTF-8", "\x80"}, {"C", ""}, {"xx_NOWHERE.UTF-8", ""}};
    for (const auto& c : cases) {
        const LocaleVariable locale(c.locale);
        InitCurrencySymbolFromLocale();
        EXPECT_EQ(SystemCurrencySymbol(), c.symbol) << c.locale;
    }
}

} // namespace
