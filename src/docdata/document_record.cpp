#include "docdata/document_record.h"

void TRecDocObjectBase::Assign(const TRecDocObjectBase& source) {
    if (&source != this)
        *this = source; // every field; the line list copies deeply
}

TDateTime TRecDocObjectBase::GetDueDate(int index) const {
    return (index >= 1 && index <= 5) ? DueDates[static_cast<size_t>(index - 1)] : NullDate;
}

void TRecDocObjectBase::SetDueDate(int index, TDateTime value) {
    if (index >= 1 && index <= 5)
        DueDates[static_cast<size_t>(index - 1)] = value;
}

double TRecDocObjectBase::GetDueAmount(int index) const {
    return (index >= 1 && index <= 5) ? DueAmounts[static_cast<size_t>(index - 1)] : 0.0;
}

void TRecDocObjectBase::SetDueAmount(int index, double value) {
    if (index >= 1 && index <= 5)
        DueAmounts[static_cast<size_t>(index - 1)] = value;
}
