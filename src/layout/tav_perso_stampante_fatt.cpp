#include "layout/tav_perso_stampante_fatt.h"

void TTavPersoStampanteFatt::setDefaults(bool letterhead) {
    showCaptions = true;
    codeCaption = "CODICE";
    descriptionCaption = "DESCRIZIONE";
    thirdCaption = "UA";
    fourthCaption = "QTA'ACC";
    fifthCaption = "COLL";
    unitCaption = "UM";
    quantityCaption = "QTA'";
    priceCaption = "PREZZO";
    discountCaption = "SCONTO";
    amountCaption = "IMPORTO";
    vatCaption = "IVA";
    percentCaption = "%";
    commissionCaption = "PROVVIG";
    captionStyle = 1;
    printLetterhead = letterhead;
    switch1 = true;
    switch2 = false;
    switch3 = true;
}
