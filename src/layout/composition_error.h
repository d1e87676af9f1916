#pragma once

#include <stdexcept>
#include <string>

// Raised when a document cannot be composed: a price that is not a number, or a page without body rows.
class ECompositionError : public std::runtime_error {
public:
    explicit ECompositionError(const std::string& reason) : std::runtime_error(reason) {}
};
