#include "app/credit_line.h"

namespace {

constexpr const char* kMakerTown = "Padova";
constexpr const char* kMakerWebAddress = "www.pentacor.it";

} // namespace

const std::string& CreditLine() {
    static const std::string line =
        std::string("Stampato con Marvendo - Pentacor srl - ") + kMakerTown + " - " + kMakerWebAddress;
    return line;
}
