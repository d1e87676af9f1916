#include "engine_fixture.h"

namespace {

std::string Labelled(const std::string& label, const std::string& value) {
    std::string line = label + std::string(18 - label.size(), ' ');
    return line + std::string(30 - value.size(), ' ') + value;
}

} // namespace

class AddressTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.document.CustomerCode = "C001";
        engine.document.CustomerName1 = "ROSSI SPA";
        engine.document.LegalName1 = "ROSSI SPA";
    }
};

TEST_F(AddressTest, SameOfficeGivesNoLines) {
    engine.BuildAddressLines();
    EXPECT_TRUE(engine.addressLines.empty());
}

TEST_F(AddressTest, NoCustomerCodeGivesNoLines) {
    engine.document.CustomerCode = " ";
    engine.document.LegalName1 = "ROSSI HOLDING";
    engine.BuildAddressLines();
    EXPECT_TRUE(engine.addressLines.empty());
}

TEST_F(AddressTest, EmptyOfficeGivesNoLines) {
    engine.document.LegalName1 = "";
    engine.BuildAddressLines();
    EXPECT_FALSE(engine.HasLegalOffice());
    EXPECT_TRUE(engine.addressLines.empty());
}

TEST_F(AddressTest, NameOnlyGivesTwoLines) {
    engine.document.LegalName1 = "ROSSI HOLDING";
    engine.BuildAddressLines();
    ASSERT_EQ(engine.addressLines.size(), 2u);
    EXPECT_EQ(engine.addressLines[0], Labelled("DESTINATARIO:", "ROSSI HOLDING" + std::string(17, ' ')));
    EXPECT_EQ(engine.addressLines[1], Labelled("(SEDE LEGALE)", ""));
}

TEST_F(AddressTest, FullOfficeWithProvinceRightAligned) {
    engine.document.LegalName1 = "ROSSI HOLDING";
    engine.document.LegalStreet = "VIA ROMA 1";
    engine.document.LegalTown = "TORINO";
    engine.document.LegalProvince = "T";
    engine.BuildAddressLines();
    ASSERT_EQ(engine.addressLines.size(), 3u);
    EXPECT_EQ(engine.addressLines[1], Labelled("(SEDE LEGALE)", "VIA ROMA 1" + std::string(20, ' ')));
    EXPECT_EQ(engine.addressLines[2], Labelled("", "TORINO" + std::string(23, ' ') + "T"));
    EXPECT_EQ(engine.addressLines[2].size(), 48u);
}

TEST_F(AddressTest, FiscalCodeOnlyWithLayoutFlag5) {
    engine.document.CustomerFiscalCode = "RSSMRA80A01H501U";
    engine.BuildAddressLines();
    EXPECT_TRUE(engine.addressLines.empty());
    engine.layoutFlag5 = true;
    engine.BuildAddressLines();
    ASSERT_EQ(engine.addressLines.size(), 1u);
    EXPECT_EQ(engine.addressLines[0], Labelled("COD.FISCALE:", "RSSMRA80A01H501U" + std::string(14, ' ')));
}

TEST_F(AddressTest, LongFiscalCodeIsCutTo30) {
    engine.layoutFlag5 = true;
    engine.document.CustomerFiscalCode = std::string(35, 'F');
    engine.BuildAddressLines();
    ASSERT_EQ(engine.addressLines.size(), 1u);
    EXPECT_EQ(engine.addressLines[0], Labelled("COD.FISCALE:", std::string(30, 'F')));
}

TEST_F(AddressTest, DashRulesBetweenOfficeAndFiscalCode) {
    engine.document.DocKind = 4;
    engine.option96 = true;
    engine.layoutFlag5 = true;
    engine.document.LegalName1 = "ROSSI HOLDING";
    engine.document.CustomerFiscalCode = "RSSMRA80A01H501U";
    engine.BuildAddressLines();
    ASSERT_EQ(engine.addressLines.size(), 5u);
    EXPECT_EQ(engine.addressLines[2], Labelled("", std::string(30, '-')));
    EXPECT_EQ(engine.addressLines[4], Labelled("", std::string(30, '-')));
    engine.layoutKind = "P";
    engine.BuildAddressLines();
    EXPECT_EQ(engine.addressLines.size(), 4u);
}

class TransportTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.document.DocKind = 4;
        engine.layoutKind = "C";
        engine.printTransportDetails = true;
        engine.document.TransportBy = 1;
        engine.document.FreightTerms = "FRANCO";
        engine.document.Weight = "12 KG";
        engine.document.PackageCount = "3";
        engine.document.GoodsAppearance = "SCATOLE";
        engine.document.TransportReason = "VENDITA";
        engine.document.CarrierName = "TRASPORTI VELOCI";
        engine.document.CarrierTown = "BOLOGNA";
        engine.document.CarrierProvince = "BO";
        engine.dateText = "05.03.24";
    }
};

TEST_F(TransportTest, CarrierLines) {
    engine.BuildTransportLines();
    const std::vector<std::string> expected = {
        "PORTO: FRANCO     PESO: 12 KG     DATA: 05.03.24",
        "COLLI: 3" + std::string(10, ' ') + "SCATOLE",
        "CAUSA:            VENDITA" + std::string(23, ' '),
        "VETT.:            TRASPORTI VELOCI" + std::string(14, ' ') + "   FIRMA VETTORE:",
        std::string(18, ' ') + "BOLOGNA" + std::string(21, ' ') + "BO",
    };
    EXPECT_EQ(engine.transportLines, expected);
}

TEST_F(TransportTest, MissingWeightKeepsTheDateInPlace) {
    engine.document.Weight = "";
    engine.BuildTransportLines();
    EXPECT_EQ(engine.transportLines[0], "PORTO: FRANCO     " + std::string(16, ' ') + "DATA: 05.03.24");
}

TEST_F(TransportTest, CarrierIdentityLabels) {
    engine.document.CarrierTaxId = "RSSMRA80A01H501U";
    engine.BuildTransportLines();
    EXPECT_EQ(engine.transportLines[5], std::string(18, ' ') + "C.FISC RSSMRA80A01H501U");
    engine.document.CarrierTaxId = "01234567890";
    engine.BuildTransportLines();
    EXPECT_EQ(engine.transportLines[5], std::string(18, ' ') + "P.IVA 01234567890");
}

TEST_F(TransportTest, OnlySignatureCaptionWithoutTransportCode) {
    engine.document.TransportBy = 0;
    engine.option96 = true;
    engine.BuildTransportLines();
    EXPECT_EQ(engine.transportLines,
              (std::vector<std::string>{"DESTINATARIO:     FIRMA (PER RICEVUTA)          "}));
}

TEST_F(TransportTest, SenderTransportShowsTheMeans) {
    engine.document.TransportBy = 2;
    engine.BuildTransportLines();
    EXPECT_EQ(engine.transportLines.back(), "MEZZO:            MITTENTE" + std::string(22, ' '));
}

TEST_F(TransportTest, NoLinesOutsideLayoutC) {
    engine.layoutKind = "P";
    engine.BuildTransportLines();
    EXPECT_TRUE(engine.transportLines.empty());
}

TEST_F(TransportTest, BottomBlockOnTheFirstPageOfLayoutP) {
    engine.layoutKind = "P";
    engine.document.CarrierTaxId = "01234567890";
    engine.document.CarrierExtra2 = "ALBO 123";
    engine.document.CarrierExtra1 = "TARGA AB123CD";
    engine.TransportTop = 50;
    engine.pageCount = 2;
    engine.currentPage = 1;
    engine.PrintBottomTransport();
    EXPECT_EQ(trimmedRow(50), placed({{1, "VETTORE"}, {17, "VENDITA"}, {48, "FRANCO"}, {59, "05.03.24"}}));
    EXPECT_EQ(trimmedRow(52), placed({{1, "3"}, {17, "SCATOLE"}, {48, "12 KG"}}));
    EXPECT_EQ(trimmedRow(54), "TRASPORTI VELOCI");
    EXPECT_EQ(trimmedRow(56), "BOLOGNA BO");
    EXPECT_EQ(trimmedRow(57), "P.IVA 01234567890 ALBO 123");
    EXPECT_EQ(trimmedRow(58), "TARGA AB123CD");
    engine.page->clear();
    engine.currentPage = 2;
    engine.PrintBottomTransport();
    for (int r = 50; r < 60; ++r)
        EXPECT_EQ(trimmedRow(r), "");
}

TEST_F(TransportTest, BottomBlockOnTheLastPageOfLayoutU) {
    engine.layoutKind = "U";
    engine.TransportTop = 50;
    engine.pageCount = 2;
    engine.currentPage = 1;
    engine.PrintBottomTransport();
    EXPECT_EQ(trimmedRow(50), "");
    engine.currentPage = 2;
    engine.PrintBottomTransport();
    EXPECT_EQ(trimmedRow(50).substr(0, 7), "VETTORE");
    EXPECT_EQ(trimmedRow(57), ""); // no identity line: extra line 1 would stand here
}

TEST_F(TransportTest, BottomTransportRows) {
    EXPECT_EQ(engine.BottomTransportRows(), 8);
    engine.document.CarrierExtra2 = "X";
    EXPECT_EQ(engine.BottomTransportRows(), 9);
    engine.document.CarrierExtra1 = "Y";
    EXPECT_EQ(engine.BottomTransportRows(), 10);
}
