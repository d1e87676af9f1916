#pragma once

#include "app/engine_settings.h"
#include "docdata/document_record.h"
#include "layout/stampa_documento_base.h"

// Hands every start-up setting to the print engine, in the order start-up uses: the left margin, layout
// flag positions 1 to 3, position 4 (caption defaults, then the logo switch), the document record with
// position 5, positions 6 to 8, the logo file, "/P=", the document file's options and reserved rows, the
// PDF file and the INI settings.
void HandSettingsToEngine(TStampaDocumentoBase& engine, const EngineSettings& settings,
                          const TRecDocObjectBase& document);
