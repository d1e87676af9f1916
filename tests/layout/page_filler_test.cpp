#include "engine_fixture.h"

#include "layout/composition_error.h"

class FillerTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.BodyTop = 23;
    }

    // Sets the printable lines to every document line in order.
    void indexAllLines() {
        engine.printableLines.clear();
        for (int i = 0; i < engine.document.Lines.Count(); ++i)
            engine.printableLines.push_back(std::to_string(i));
    }

    // One page of the body on an emptied buffer; answers Done.
    bool fillPage() {
        engine.page->clear();
        bool done = false;
        engine.FillBody(address, transport, done, totals, line);
        return done;
    }

    int address = 0, transport = 0, totals = 0, line = 0;
};

TEST_F(FillerTest, PageFullBeforeDashLinesDropsThem) {
    engine.BodyRows = 3;
    addLine("A1", "ONE", "1", "1");
    addLine("A2", "TWO", "1", "1");
    addLine("A3", "THREE", "1", "1");
    addLine("-", "");
    addLine(":", " ");
    addLine("-", "");
    addLine("A4", "FOUR", "1", "1");
    indexAllLines();
    EXPECT_FALSE(fillPage());
    EXPECT_EQ(columns(25, 16, 20), "THREE");
    EXPECT_EQ(line, 6);
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(columns(23, 16, 19), "FOUR");
    EXPECT_EQ(trimmedRow(24), "");
}

TEST_F(FillerTest, CommentWithTextStartsTheNextPage) {
    engine.BodyRows = 1;
    addLine("A1", "ONE", "1", "1");
    addLine(":", "NOTE");
    indexAllLines();
    EXPECT_FALSE(fillPage());
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(columns(23, 16, 19), "NOTE");
}

TEST_F(FillerTest, OnlyDroppableLinesLeftFinishTheDocument) {
    engine.BodyRows = 1;
    addLine("A1", "ONE", "1", "1");
    addLine("-", "");
    indexAllLines();
    EXPECT_TRUE(fillPage());
}

TEST_F(FillerTest, BodyMarkIsTheFirstDocumentLineRow) {
    engine.BodyRows = 10;
    engine.addressLines = {"ADDRESS 1", "ADDRESS 2"};
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    engine.pageBodyMark = -1;
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(engine.pageBodyMark, 26); // two address rows and the separator
    EXPECT_EQ(trimmedRow(25), std::string(15, ' ') + std::string(48, '-'));
}

TEST_F(FillerTest, Option95LeavesABlankSeparatorRow) {
    engine.BodyRows = 10;
    engine.option95 = true;
    engine.addressLines = {"ADDRESS 1"};
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), "");
    EXPECT_EQ(columns(25, 16, 18), "ONE");
}

TEST_F(FillerTest, NoSeparatorWithoutOtherBlocks) {
    engine.BodyRows = 10;
    engine.addressLines = {"ADDRESS 1"};
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), "");
}

TEST_F(FillerTest, AddressEndingThePageGetsNoSeparator) {
    engine.BodyRows = 2;
    engine.addressLines = {"ADDRESS 1", "ADDRESS 2"};
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    EXPECT_FALSE(fillPage());
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(columns(23, 16, 18), "ONE");
}

TEST_F(FillerTest, TransportBlockMovesWholeToTheNextPage) {
    engine.BodyRows = 6;
    engine.addressLines = {"ADDRESS 1", "ADDRESS 2"};
    engine.transportLines = {"T1", "T2", "T3", "T4", "T5"};
    EXPECT_FALSE(fillPage());
    EXPECT_EQ(trimmedRow(25), std::string(15, ' ') + std::string(48, '-'));
    EXPECT_EQ(trimmedRow(26), "");
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(23), std::string(15, ' ') + "T1");
    EXPECT_EQ(trimmedRow(27), std::string(15, ' ') + "T5");
}

TEST_F(FillerTest, TransportBlockLongerThanAPageIsSplit) {
    engine.BodyRows = 48;
    for (int i = 0; i < 60; ++i)
        engine.transportLines.push_back("T" + std::to_string(i));
    EXPECT_FALSE(fillPage());
    EXPECT_EQ(trimmedRow(70), std::string(15, ' ') + "T47");
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(23), std::string(15, ' ') + "T48");
    EXPECT_EQ(trimmedRow(34), std::string(15, ' ') + "T59");
}

TEST_F(FillerTest, Option96SkipsTheSeparatorBeforeTransport) {
    engine.BodyRows = 10;
    engine.option96 = true;
    engine.addressLines = {"ADDRESS 1"};
    engine.transportLines = {"T1"};
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), std::string(15, ' ') + "T1");
}

TEST_F(FillerTest, TransportSeparatorOnlyBeforeDocumentLines) {
    engine.BodyRows = 10;
    engine.transportLines = {"T1"};
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), "");
    engine.option95 = true;
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    address = transport = totals = line = 0;
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), ""); // the ruled body needs no dashes, but the row stays used
    EXPECT_EQ(columns(25, 16, 18), "ONE");
}

TEST_F(FillerTest, EightyColumnBlocksStartAtColumn1) {
    engine.BodyRows = 10;
    engine.option94 = true;
    engine.addressLines = {"ADDRESS 1"};
    engine.transportLines = {"T1"};
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(23), "ADDRESS 1");
    EXPECT_EQ(trimmedRow(24), std::string(48, '-'));
    EXPECT_EQ(trimmedRow(25), "T1");
    EXPECT_EQ(trimmedRow(26), std::string(48, '-'));
    EXPECT_FALSE(engine.page->rowSecondPitch(23));
}

TEST_F(FillerTest, BlankRowBeforeSecondCurrencyTotals) {
    engine.BodyRows = 10;
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    engine.totalsLines = {"TOTALI IN EUR:"};
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), "");
    EXPECT_EQ(trimmedRow(25), "TOTALI IN EUR:");
}

TEST_F(FillerTest, SecondCurrencyTotalsFillingTheRestGetNoBlankRow) {
    engine.BodyRows = 3;
    addLine("A1", "ONE", "1", "1");
    indexAllLines();
    engine.totalsLines = {"X1", "X2"};
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(24), "X1");
    EXPECT_EQ(trimmedRow(25), "X2");
}

TEST_F(FillerTest, SecondCurrencyTotalsMoveWholeToTheNextPage) {
    engine.BodyRows = 3;
    addLine("A1", "ONE", "1", "1");
    addLine("A2", "TWO", "1", "1");
    indexAllLines();
    engine.totalsLines = {"X1", "X2"};
    EXPECT_FALSE(fillPage());
    EXPECT_EQ(trimmedRow(25), "");
    EXPECT_TRUE(fillPage());
    EXPECT_EQ(trimmedRow(23), "X1");
}

TEST_F(FillerTest, NothingIsWrittenBelowTheBody) {
    engine.BodyRows = 2;
    for (int i = 0; i < 5; ++i)
        addLine("A" + std::to_string(i), "LINE", "1", "1");
    indexAllLines();
    engine.totalsLines = {"X1", "X2", "X3"};
    int pages = 0;
    bool done = false;
    while (!done && pages < 10) {
        done = fillPage();
        ++pages;
        for (int r = 25; r < 72; ++r)
            EXPECT_EQ(trimmedRow(r), "") << "page " << pages << " row " << r;
    }
    EXPECT_EQ(pages, 4); // the totals do not fit a page: split over pages 3 and 4
}

class CompositionTest : public EngineTest {
protected:
    TStampaDocumentoBase::ColumnHeadingList headings{"COD", "DESCR", "UM", "Q", "P", "S", "I", "V"};
};

TEST_F(CompositionTest, ColumnHeadingsReplaceTheCaptions) {
    engine.ComposePages(72, headings, [] { return true; });
    EXPECT_EQ(engine.captions->codeCaption, "COD");
    EXPECT_EQ(engine.captions->vatCaption, "V");
    EXPECT_EQ(engine.captions->thirdCaption, "UA");
    EXPECT_EQ(engine.page, nullptr);
}

TEST_F(CompositionTest, EmptyDocumentHasOnePage) {
    int pages = 0;
    engine.ComposePages(72, headings, [&] {
        ++pages;
        return true;
    });
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(engine.pageCount, 1);
}

TEST_F(CompositionTest, PagesAreCountedBeforeTheyAreComposed) {
    for (int i = 0; i < 100; ++i)
        addLine("A" + std::to_string(i), "LINE", "1", "1", 100, "22");
    std::vector<std::string> numbers;
    engine.ComposePages(72, headings, [&] {
        numbers.push_back(engine.PageNumberText());
        return true;
    });
    EXPECT_EQ(numbers, (std::vector<std::string>{"1/3", "2/3", "3/3"})); // 42 body rows per page
}

TEST_F(CompositionTest, SinkCanStopThePass) {
    for (int i = 0; i < 100; ++i)
        addLine("A" + std::to_string(i), "LINE", "1", "1", 100, "22");
    int pages = 0;
    EXPECT_FALSE(engine.ComposePages(72, headings, [&] { return ++pages < 2; }));
    EXPECT_EQ(pages, 2);
}

TEST_F(CompositionTest, NoBodyRowsFailsInsteadOfHanging) {
    addLine("A1", "LINE", "1", "1");
    EXPECT_THROW(engine.ComposePages(30, headings, [] { return true; }), ECompositionError);
    EXPECT_EQ(engine.page, nullptr);
}

TEST_F(CompositionTest, ReservedRowsCanLeaveNoBody) {
    engine.topRows = 30;
    engine.bottomRows = 20;
    EXPECT_THROW(engine.ComposePages(72, headings, [] { return true; }), ECompositionError);
}

TEST_F(CompositionTest, PriceThatIsNotANumberFailsTheComposition) {
    addLine("A1", "LINE", "1", "1,2,3");
    int pages = 0;
    EXPECT_THROW(engine.ComposePages(72, headings,
                                     [&] {
                                         ++pages;
                                         return true;
                                     }),
                 ECompositionError);
    EXPECT_EQ(pages, 0);
}

TEST_F(CompositionTest, EveryPageStartsWithoutABodyMark) {
    for (int i = 0; i < 50; ++i)
        addLine("A" + std::to_string(i), "LINE", "1", "1", 100, "22");
    std::vector<int> marks;
    engine.ComposePages(72, headings, [&] {
        marks.push_back(engine.pageBodyMark);
        return true;
    });
    EXPECT_EQ(marks, (std::vector<int>{23, 23}));
}
