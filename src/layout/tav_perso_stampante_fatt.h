#pragma once

#include <string>

// Column captions of the line body and the letterhead switch of the form.
struct TTavPersoStampanteFatt {
    bool showCaptions = true;
    std::string codeCaption;
    std::string descriptionCaption;
    std::string thirdCaption;
    std::string fourthCaption;
    std::string fifthCaption;
    std::string unitCaption;
    std::string quantityCaption;
    std::string priceCaption;
    std::string discountCaption;
    std::string amountCaption;
    std::string vatCaption;
    std::string percentCaption;
    std::string commissionCaption;
    int captionStyle = 1;
    bool printLetterhead = false;
    bool switch1 = true;
    bool switch2 = false;
    bool switch3 = true;

    // Fills every caption with its default text.
    void setDefaults(bool letterhead);
};
