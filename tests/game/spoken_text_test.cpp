// What a player who hears the game is told of a card and of a turn.
#include "spoken_text.h"

#include <gtest/gtest.h>

namespace pairfinder {
namespace {

TEST(SpokenText, ACardSaysWhereItLiesAndWhatItShows) {
    EXPECT_EQ(CardLabel(3, 5, CardView::Hidden), "Reihe 3, Spalte 5: verdeckt");
    EXPECT_EQ(CardLabel(1, 8, CardView::Face, "Stern"), "Reihe 1, Spalte 8: Stern");
    EXPECT_EQ(CardLabel(8, 1, CardView::Removed, "Stern"), "Reihe 8, Spalte 1: leer");
}

TEST(SpokenText, ATurnSaysBothCardsWhetherTheyPairAndTheCount) {
    const PictureName star{"Stern", "Sterne"};
    const PictureName dog{"Hund", "Hunde"};
    const PictureName apple{"Apfel", "Äpfel"};
    EXPECT_EQ(TurnSpoken(star, dog, false, 7), "Stern und Hund: kein Paar. Versuche: 7");
    EXPECT_EQ(TurnSpoken(dog, star, false, 1), "Hund und Stern: kein Paar. Versuche: 1");
    EXPECT_EQ(TurnSpoken(star, star, true, 8), "Zwei Sterne: ein Paar. Versuche: 8");
    EXPECT_EQ(TurnSpoken(apple, apple, true, 32), "Zwei Äpfel: ein Paar. Versuche: 32");
}

TEST(SpokenText, WhatOnePressSaysIsJoinedIntoSentences) {
    std::string said;
    JoinSpoken(said, "");
    EXPECT_EQ(said, "");
    JoinSpoken(said, "Zwei Sterne: ein Paar. Versuche: 32");
    JoinSpoken(said, "FERTIG!!");
    JoinSpoken(said, "");
    JoinSpoken(said, "Namen eingeben:");
    JoinSpoken(said, "Weiter.");
    JoinSpoken(said, "Ende");
    EXPECT_EQ(said, "Zwei Sterne: ein Paar. Versuche: 32. FERTIG!! Namen eingeben: Weiter. Ende");
}

}  // namespace
}  // namespace pairfinder
