#pragma once

#include "util/dates.h"

// Sets PivotYear for one test and restores the previous value afterwards.
class PivotYearGuard {
public:
    explicit PivotYearGuard(int pivot) : saved(PivotYear) { PivotYear = pivot; }
    ~PivotYearGuard() { PivotYear = saved; }
    PivotYearGuard(const PivotYearGuard&) = delete;
    PivotYearGuard& operator=(const PivotYearGuard&) = delete;

private:
    int saved;
};
