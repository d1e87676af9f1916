#include <gtest/gtest.h>

#include <cstdlib>
#include <locale.h>
#include <string>

#include "platform/number_locale.h"
#include "util/numbers.h"
#include "util/separators_guard.h"

namespace {

// Sets LC_ALL for one test and restores it afterwards.
class LocaleEnvironment {
public:
    explicit LocaleEnvironment(const char* value) {
        if (const char* old = std::getenv("LC_ALL")) {
            saved = old;
            hadValue = true;
        }
        setenv("LC_ALL", value, 1);
    }
    ~LocaleEnvironment() {
        if (hadValue)
            setenv("LC_ALL", saved.c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    std::string saved;
    bool hadValue = false;
};

TEST(NumberSeparators, CLocaleGivesPointAndNoThousandsSeparator) {
    SeparatorsGuard restore(',', '.');
    LocaleEnvironment locale("C");
    InitNumberSeparatorsFromLocale();
    EXPECT_EQ(GetDecimalSeparator(), '.');
    EXPECT_EQ(GetThousandSeparator(), '\0');
}

TEST(NumberSeparators, ItalianLocaleGivesCommaAndPoint) {
    locale_t italian = newlocale(LC_NUMERIC_MASK, "it_IT.UTF-8", static_cast<locale_t>(nullptr));
    if (italian == static_cast<locale_t>(nullptr))
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    freelocale(italian);
    SeparatorsGuard restore('.', '\0');
    LocaleEnvironment locale("it_IT.UTF-8");
    InitNumberSeparatorsFromLocale();
    EXPECT_EQ(GetDecimalSeparator(), ',');
    EXPECT_EQ(GetThousandSeparator(), '.');
}

TEST(NumberSeparators, UnknownLocaleFallsBackToPoint) {
    SeparatorsGuard restore(',', '.');
    LocaleEnvironment locale("xx_NOWHERE.UTF-8");
    InitNumberSeparatorsFromLocale();
    EXPECT_EQ(GetDecimalSeparator(), '.');
    EXPECT_EQ(GetThousandSeparator(), '\0');
}

} // namespace
