#include "app/engine_settings.h"

#include "util/strings.h"

EngineSettings MakeEngineSettings(const RunSettings& settings, const RunParameters& fileParameters) {
    const LayoutFlagSettings flags = DecodeLayoutFlags(settings.layoutFlags);
    EngineSettings engine;
    engine.leftMargin = settings.leftMargin;
    engine.printTransportDetails = flags.printTransportDetails;
    engine.layoutFlag1 = flags.layoutFlag1;
    engine.layoutFlag2 = flags.layoutFlag2;
    engine.printLetterhead = flags.printLetterhead;
    engine.printLogo = flags.printLogo;
    engine.altPriceDigit = flags.altPriceDigit;
    engine.layoutFlag5 = flags.layoutFlag5;
    engine.layoutKind = flags.layoutKind;
    engine.layoutFlag7 = flags.layoutFlag7;
    engine.logoFile = TrimControl(settings.LogoFile);
    engine.optionP = settings.optionP;
    engine.option92 = fileParameters.LayoutSwitches[0];
    engine.option93 = fileParameters.LayoutSwitches[1];
    engine.topRows = fileParameters.ReservedTopLines;
    engine.bottomRows = fileParameters.ReservedBottomLines;
    engine.option94 = fileParameters.LayoutSwitches[2];
    engine.option95 = fileParameters.LayoutSwitches[3];
    engine.option96 = fileParameters.LayoutSwitches[4];
    engine.pdfFile = fileParameters.OutputPdfPath;
    engine.currency = settings.currency;
    engine.footerText1 = TrimControl(settings.footerText1);
    engine.footerText2 = TrimControl(settings.footerText2);
    engine.footerText3 = TrimControl(settings.footerText3);
    engine.footerCompressed = settings.footerCompressed;
    engine.footerSize = settings.footerSize;
    engine.footerAlignment = settings.footerAlignment;
    engine.halftone = settings.halftone;
    return engine;
}

void HandSettingsToEngine(TStampaDocumentoBase& engine, const EngineSettings& settings,
                          const TRecDocObjectBase& document) {
    engine.leftMargin = settings.leftMargin;
    engine.printTransportDetails = settings.printTransportDetails;
    engine.layoutFlag1 = settings.layoutFlag1;
    engine.layoutFlag2 = settings.layoutFlag2;
    engine.setCaptionDefaults(settings.printLetterhead);
    engine.printLogo = settings.printLogo;
    engine.loadDocument(document, settings.altPriceDigit);
    engine.layoutFlag5 = settings.layoutFlag5;
    engine.layoutKind = settings.layoutKind;
    engine.layoutFlag7 = settings.layoutFlag7;
    engine.logoFile = settings.logoFile;
    engine.optionP = settings.optionP;
    engine.option92 = settings.option92;
    engine.option93 = settings.option93;
    engine.topRows = settings.topRows;
    engine.bottomRows = settings.bottomRows;
    engine.option94 = settings.option94;
    engine.option95 = settings.option95;
    engine.option96 = settings.option96;
    engine.pdfFile = settings.pdfFile;
    engine.currency = settings.currency;
    engine.footerText1 = settings.footerText1;
    engine.footerText2 = settings.footerText2;
    engine.footerText3 = settings.footerText3;
    engine.footerCompressed = settings.footerCompressed;
    engine.footerSize = settings.footerSize;
    engine.footerAlignment = settings.footerAlignment;
    engine.halftone = settings.halftone;
}
