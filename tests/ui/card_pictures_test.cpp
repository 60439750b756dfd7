// The pictures on the cards: backs, faces, blank removed cards, and the face set in use.
#include <QAction>
#include <QSignalSpy>

#include "window_fixture.h"

namespace pairfinder::testing {
namespace {

class CardPicturesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Open();
    }
    QAction* Item(const char* name) const { return Find<QAction>(QLatin1String(name)); }
};

TEST_F(CardPicturesTest, TheListsHoldTheirNumberOfPictures) {
    EXPECT_EQ(List("MasterList1")->Count(), 32);
    EXPECT_EQ(List("MasterList2")->Count(), 32);
    EXPECT_EQ(List("MasterList3")->Count(), 32);
    EXPECT_EQ(List("MasterList4")->Count(), 33);
    EXPECT_EQ(List("DeckblattList")->Count(), 4);
    EXPECT_EQ(List("FakeList")->Count(), 32) << "face set 1 is loaded when the window is created";
}

TEST_F(CardPicturesTest, TheFacesOfOneSetAreThirtyTwoDifferentPictures) {
    for (const char* set : {"MasterList1", "MasterList2", "MasterList3", "MasterList4"}) {
        QSet<QByteArray> seen;
        for (int i = 0; i < 32; ++i) {
            const QImage image = List(set)->Picture(i).toImage();
            EXPECT_EQ(List(set)->Picture(i).deviceIndependentSize(), QSizeF(60, 60)) << set << " " << i;
            seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        EXPECT_EQ(seen.size(), 32) << set;
    }
}

TEST_F(CardPicturesTest, ANewGameShowsTheFirstBackOnEveryEnabledCell) {
    for (int p = 0; p < layout::CellCount; ++p) {
        EXPECT_TRUE(Shows(p, Back(0))) << "Image" << p + 1;
        EXPECT_TRUE(Cell(p)->isEnabled()) << "Image" << p + 1;
    }
}

TEST_F(CardPicturesTest, AnOpenedCardShowsThePictureOfItsPairFromTheFaceSetInUse) {
    ClickCell(5);
    EXPECT_TRUE(ShowsFace(5));
    EXPECT_EQ(Cell(5)->Picture().cacheKey(), List("MasterList1")->Picture(PairAt(5)).cacheKey());
    const int other = StrangerTo(5);
    ClickCell(other);
    EXPECT_TRUE(ShowsFace(other));
    EXPECT_FALSE(Shows(other, Face(PairAt(5))));
}

TEST_F(CardPicturesTest, AFoundPairIsBlankAndDisabledWhileTheOtherCardsShowTheirBack) {
    const int partner = PartnerOf(9);
    FindPairAt(9);
    for (int p = 0; p < layout::CellCount; ++p) {
        if (p == 9 || p == partner) {
            EXPECT_TRUE(Cell(p)->Picture().isNull()) << "Image" << p + 1;
            EXPECT_FALSE(Cell(p)->isEnabled()) << "Image" << p + 1;
        } else {
            EXPECT_TRUE(Shows(p, Back(0))) << "Image" << p + 1;
            EXPECT_TRUE(Cell(p)->isEnabled()) << "Image" << p + 1;
        }
    }
    ClickCell(9);
    EXPECT_EQ(Form->Board().Attempts, 1) << "a removed card takes no clicks";
    EXPECT_FALSE(Form->Board().CardOpen);
}

TEST_F(CardPicturesTest, AnotherBackIsDrawnOnEveryCardStillInPlay) {
    Item("Blatt3")->trigger();
    for (int p = 0; p < layout::CellCount; ++p) EXPECT_TRUE(Shows(p, Back(2))) << "Image" << p + 1;
    EXPECT_FALSE(Shows(0, Back(0)));
}

TEST_F(CardPicturesTest, ChoosingFaceSetFourCopiesAllThirtyThreePictures) {
    Item("Deck4")->trigger();
    ASSERT_EQ(List("FakeList")->Count(), 33);
    for (int i = 0; i < 33; ++i) {
        EXPECT_EQ(List("FakeList")->Picture(i).cacheKey(), List("MasterList4")->Picture(i).cacheKey()) << i;
    }
    ClickCell(0);
    EXPECT_TRUE(Shows(0, List("MasterList4")->Picture(PairAt(0))));
}

TEST_F(CardPicturesTest, ChoosingTheFaceSetAgainReplacesTheListInsteadOfGrowingIt) {
    Item("Deck2")->trigger();
    Item("Deck2")->trigger();
    EXPECT_EQ(List("FakeList")->Count(), 32);
    EXPECT_EQ(List("FakeList")->Picture(31).cacheKey(), List("MasterList2")->Picture(31).cacheKey());
}

TEST(PictureListTest, AListThatNeverHeldAPictureLeavesTheCellBlank) {
    PictureList fakeList;
    CardCell cell;
    QPixmap old(60, 60);
    old.fill(Qt::red);
    cell.SetPicture(old);
    fakeList.Draw(0, cell);
    EXPECT_TRUE(cell.Picture().isNull());
    EXPECT_FALSE(fakeList.HasEverHeld());
}

TEST(PictureListTest, AListEmptiedAfterHoldingPicturesDrawsAnEmptyFullSizePicture) {
    PictureList source(pictures::Backs.first(1), CardView::Hidden, 1.0);
    PictureList fakeList;
    fakeList.AddCopiesOf(source);
    fakeList.Clear();
    CardCell cell;
    fakeList.Draw(0, cell);
    EXPECT_TRUE(fakeList.HasEverHeld());
    ASSERT_FALSE(cell.Picture().isNull());
    EXPECT_EQ(cell.Picture().size(), QSize(60, 60));
    EXPECT_EQ(cell.Picture().toImage().pixelColor(30, 30).alpha(), 0);
}

TEST(PictureListTest, PicturesAreRenderedForTheScreensPixelRatio) {
    PictureList crisp(pictures::Backs.first(1), CardView::Hidden, 2.0);
    ASSERT_EQ(crisp.Count(), 1);
    EXPECT_EQ(crisp.Picture(0).size(), QSize(120, 120));
    EXPECT_EQ(crisp.Picture(0).deviceIndependentSize(), QSizeF(60, 60));
}

class CardCellTest : public ::testing::Test {
protected:
    CardCell Cell;
    QSignalSpy Clicks{&Cell, &CardCell::Clicked};

    void SetUp() override { Cell.resize(60, 60); }
};

TEST_F(CardCellTest, APressAndReleaseOfTheLeftButtonInsideIsAClick) {
    QTest::mouseClick(&Cell, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(Clicks.count(), 1);
}

TEST_F(CardCellTest, AReleaseOutsideTheCellIsNoClick) {
    QTest::mousePress(&Cell, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(&Cell, Qt::LeftButton, {}, QPoint(70, 30));
    EXPECT_EQ(Clicks.count(), 0);
}

TEST_F(CardCellTest, TheRightButtonIsNoClick) {
    QTest::mouseClick(&Cell, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(Clicks.count(), 0);
}

TEST_F(CardCellTest, ADisabledCellGivesNoClick) {
    Cell.setEnabled(false);
    QTest::mouseClick(&Cell, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(Clicks.count(), 0);
}

}  // namespace
}  // namespace pairfinder::testing
