#pragma once

#include "util/numbers.h"

// Sets the process-wide number separators for one test and restores the previous ones afterwards.
class SeparatorsGuard {
public:
    SeparatorsGuard(char decimalSeparator, char thousandSeparator)
        : savedDecimal(GetDecimalSeparator()), savedThousand(GetThousandSeparator()) {
        SetNumberSeparators(decimalSeparator, thousandSeparator);
    }
    ~SeparatorsGuard() { SetNumberSeparators(savedDecimal, savedThousand); }
    SeparatorsGuard(const SeparatorsGuard&) = delete;
    SeparatorsGuard& operator=(const SeparatorsGuard&) = delete;

private:
    char savedDecimal;
    char savedThousand;
};
