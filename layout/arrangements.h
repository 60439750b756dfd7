// How the window's parts are arranged on screens of other shapes than the desktop's: the window's table is one
// arrangement, kept whole wherever there is room for it; a phone held upright or on its side gets one of its own,
// declared here as data, which the page's style sheet is written from and its tests measure against.
#pragma once

#include <array>
#include <string_view>

namespace pairfinder::layout {

enum class Shape { Window, PhonePortrait, PhoneLandscape };

// Sizes in CSS pixels.
struct Arrangement {
    Shape Is = Shape::Window;
    std::string_view Name{};
    // The screens that take it, as a CSS media query; the window's own arrangement takes every other screen.
    std::string_view Media{};
    // The panels lie beside the cards (a phone on its side) or in a row below them (a phone held upright).
    bool PanelsBeside = false;
    // The least size of any text, and the height of the menu bar, of every button and of the name entry, which
    // a finger must hit.
    int Text = 0;
    int Touch = 0;
    // The room the panels take: their row's height below the cards, or their column's width beside them.
    int PanelRoom = 0;
    // Between the cards and the panels, and round the panels' contents.
    int Gap = 0;
    // Either side of a menu's title in the menu bar, which must fit the panels' column on a phone on its side.
    int TitlePadding = 0;
    // The attempt counter's text and the finish banner's, larger than the rest.
    int CounterText = 0;
    int BannerText = 0;
};

inline constexpr std::array<Arrangement, 2> PhoneArrangements{{
    {.Is = Shape::PhonePortrait,
     .Name = "phone-portrait",
     .Media = "(orientation: portrait) and (max-width: 600px)",
     .PanelsBeside = false,
     .Text = 16,
     .Touch = 44,
     .PanelRoom = 64,
     .Gap = 8,
     .TitlePadding = 12,
     .CounterText = 22,
     .BannerText = 48},
    {.Is = Shape::PhoneLandscape,
     .Name = "phone-landscape",
     .Media = "(orientation: landscape) and (max-height: 500px)",
     .PanelsBeside = true,
     .Text = 16,
     .Touch = 44,
     .PanelRoom = 220,
     .Gap = 8,
     .TitlePadding = 6,
     .CounterText = 22,
     .BannerText = 48},
}};

// Screens the page is measured on, with the arrangement each must get and the least side of a card's
// clickable area there (0 where only the arrangement's other sizes are asked for).
struct Screen {
    int Width = 0;
    int Height = 0;
    Shape Gets = Shape::Window;
    int LeastCard = 0;
};

inline constexpr std::array<Screen, 8> MeasuredScreens{{
    {390, 844, Shape::PhonePortrait, 44},
    {844, 390, Shape::PhoneLandscape, 44},
    {360, 640, Shape::PhonePortrait, 40},
    {640, 360, Shape::PhoneLandscape, 0},
    {430, 932, Shape::PhonePortrait, 44},
    {820, 1180, Shape::Window, 64},
    {1180, 820, Shape::Window, 0},
    {739, 645, Shape::Window, 60},
}};

}  // namespace pairfinder::layout
