#pragma once

#include <string>

// The credit line drawn vertically on every PDF page and stored as the file's author and producer:
// "Stampato con Marvendo - Pentacor srl - " followed by the maker's town, " - " and its web address.
const std::string& CreditLine();
