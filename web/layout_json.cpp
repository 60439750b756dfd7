// The layout table, with the pictures and choices of this build, as JSON for the page's front end.
#include "layout_json.h"

#include <cstdio>
#include <iterator>
#include <string_view>

#include "page_pictures.h"
#include "window_layout.h"

namespace pairfinder::web {

namespace {

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes as it is.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Number(int n) {
    return std::to_string(n);
}

std::string Box(const layout::Rect& r) {
    return "\"left\":" + Number(r.Left) + ",\"top\":" + Number(r.Top) + ",\"width\":" + Number(r.Width) +
           ",\"height\":" + Number(r.Height);
}

std::string FontJson(const layout::Font& font) {
    const layout::FaceNames names = layout::NamesOf(font.Family);
    return "{\"families\":[" + Quoted(names.Named) + "," + Quoted(names.StandIn) +
           "],\"pixels\":" + Number(font.Pixels) + ",\"bold\":" + (font.Bold ? "true" : "false") + "}";
}

std::string Colour(const layout::Rgb& rgb) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", static_cast<unsigned>(rgb.Red),
                  static_cast<unsigned>(rgb.Green), static_cast<unsigned>(rgb.Blue));
    return Quoted(hex);
}

std::string InkJson(const layout::Ink& ink) {
    switch (ink.From) {
        case layout::Ink::WindowText:
            return "\"windowText\"";
        case layout::Ink::Own:
            return Colour(ink.Colour);
        case layout::Ink::Parent:
            break;
    }
    return "\"parent\"";
}

const char* KindName(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::Label:
            return "label";
        case layout::Kind::Edit:
            return "edit";
        case layout::Kind::Button:
            return "button";
        case layout::Kind::Panel:
            return "panel";
        case layout::Kind::Logo:
            return "logo";
    }
    return "label";
}

const char* RoleName(layout::Role role) {
    switch (role) {
        case layout::Role::Menu:
            return "menu";
        case layout::Role::Command:
            return "command";
        case layout::Role::BackChoice:
        case layout::Role::FaceSetChoice:
            return "choice";
        case layout::Role::Display:
            return "display";
    }
    return "display";
}

// How many items an entry of the menu stands for: a choice one per picture the build found.
int ItemCount(layout::Role role) {
    if (role == layout::Role::BackChoice) return static_cast<int>(pictures::Backs.size());
    if (role == layout::Role::FaceSetChoice) return static_cast<int>(std::size(pictures::FaceSets));
    return 0;
}

template <typename Items, typename Write>
std::string List(const Items& items, Write write) {
    std::string out = "[";
    for (const auto& item : items) out += (out.size() > 1 ? "," : "") + write(item);
    return out + "]";
}

}  // namespace

std::string LayoutJson() {
    std::string cells = "[";
    for (int p = 0; p < layout::CellCount; ++p) {
        cells += (p ? "," : "") + std::string("{\"name\":") + Quoted("Image" + Number(p + 1)) + "," +
                 Box(layout::CellGeometry(p)) + "}";
    }
    cells += "]";
    const std::string controls = List(layout::Controls, [](const layout::Control& c) {
        return "{\"name\":" + Quoted(c.Name) + ",\"kind\":\"" + KindName(c.Type) +
               "\",\"parent\":" + Quoted(c.Parent) + "," + Box(c.Geometry) + ",\"text\":" + Quoted(c.Text) +
               ",\"font\":" + (c.TextFont ? FontJson(*c.TextFont) : "null") +
               ",\"ink\":" + InkJson(c.TextInk) + ",\"outcome\":" + (c.Outcome ? "true" : "false") +
               ",\"leftToRight\":" + (c.LeftToRight ? "true" : "false") + "}";
    });
    const std::string menu = List(layout::Menu, [](const layout::MenuEntry& e) {
        return "{\"name\":" + Quoted(e.Name) + ",\"text\":" + Quoted(e.Text) +
               ",\"parent\":" + Quoted(e.Parent) + ",\"role\":\"" + RoleName(e.Purpose) +
               "\",\"count\":" + Number(ItemCount(e.Purpose)) + "}";
    });
    const std::string tabOrder = List(layout::TabOrder, [](std::string_view name) { return Quoted(name); });
    return "{\"title\":" + Quoted(layout::Title) +
           ",\"outer\":{\"width\":" + Number(layout::WindowOuterSize.Width) +
           ",\"height\":" + Number(layout::WindowOuterSize.Height) +
           "},\"client\":{\"width\":" + Number(layout::ClientSize.Width) +
           ",\"height\":" + Number(layout::ClientSize.Height) +
           "},\"menuBarHeight\":" + Number(metrics::MenuBarHeight) +
           ",\"windowFont\":" + FontJson(layout::WindowFont) + ",\"cells\":" + cells +
           ",\"controls\":" + controls + ",\"tabOrder\":" + tabOrder + ",\"menu\":" + menu +
           ",\"logo\":" + Quoted(pictures::Logo) + "}";
}

}  // namespace pairfinder::web
