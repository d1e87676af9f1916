#pragma once

#include <string>

// The delivery is TStampaDocumentoBase::deliver (layout/stampa_documento_base.h), in delivery.cpp.

// Whether the delivery would find a printer for this name: "PREDEFINITA" (ASCII case ignored) when
// there is a default printer, any other name when a printer of that device name is installed.
bool IsDeliveryPrinterInstalled(const std::string& printerName);
