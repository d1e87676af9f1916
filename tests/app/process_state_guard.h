#pragma once

#include "util/dates.h"
#include "util/numbers.h"

// Start-up changes the process-wide pivot year and number separators: keep them for the next test.
class ProcessStateGuard {
public:
    ProcessStateGuard()
        : pivotYear_(PivotYear), decimalSeparator_(GetDecimalSeparator()),
          thousandSeparator_(GetThousandSeparator()) {}
    ~ProcessStateGuard() {
        PivotYear = pivotYear_;
        SetNumberSeparators(decimalSeparator_, thousandSeparator_);
    }
    ProcessStateGuard(const ProcessStateGuard&) = delete;
    ProcessStateGuard& operator=(const ProcessStateGuard&) = delete;

private:
    int pivotYear_;
    char decimalSeparator_;
    char thousandSeparator_;
};
