#pragma once

#include <string>

// Reads the currency symbol of the user's locale (LC_MONETARY through LC_ALL, LC_MONETARY, LANG) once,
// converted to Windows-1252: the euro sign (0x80) under it_IT.UTF-8, empty under the C locale, when the
// locale cannot be loaded, or when the symbol has no Windows-1252 form. Called once at start.
void InitCurrencySymbolFromLocale();

// The currency symbol read at start; empty before InitCurrencySymbolFromLocale.
const std::string& SystemCurrencySymbol();
