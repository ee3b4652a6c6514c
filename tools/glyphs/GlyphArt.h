#pragma once
// The pixel art of the button glyphs, one character per pixel. Every character names
// a colour of the standard 16-colour palette:
//   k black   m maroon  g green   o olive   n navy    p purple  t teal    + grey
//   s silver  r red     l lime    y yellow  b blue    f fuchsia c aqua    w white
// "." is the picture's background: olive for the kind glyphs, purple for the globe.
#include <string_view>
#include <vector>

namespace glyphs {

struct KindArt {
    std::string_view name;
    std::vector<std::string_view> picture; // 18 pixels wide, the coloured cell
    // Colours that the disabled cell shows in silver rather than grey.
    std::string_view silverWhenDisabled;
};

// clang-format off
inline const std::vector<std::string_view> kCheckMark = {
    "..................", "..................", "..................", "..................",
    ".............ll...", "............lggn..", "...........lggn...", "..........lggn....",
    "..ll.....lggn.....", "..nggl..lggn......", "...nggllggn.......", "....nggggn........",
    ".....nggn.........", "......nn..........", "..................", "..................",
    "..................", "..................",
};
// clang-format on

// clang-format off
inline const std::vector<std::string_view> kCross = {
    "..................", "..................", "..................", "...rrm.......rrm..",
    "....rrm.....rrm...", ".....rrm...rrm....", "......rrm.rrm.....", ".......rrrrm......",
    "........rrm.......", ".......rrrrm......", "......rrm.rrm.....", ".....rrm...rrm....",
    "....rrm.....rrm...", "...rrm.......rrm..", "..................", "..................",
    "..................", "..................",
};
// clang-format on

// clang-format off
inline const std::vector<KindArt> kKindArt = {
    {"BBOKX", kCheckMark, ""},
    {"BBCANCELX", kCross, ""},
    {"BBHELPX",
     {
         "..................",
         "..................",
         "......ccccc.......",
         ".....cct..cct.....",
         "....cct....cct....",
         "....cct....cct....",
         ".....t.....cct....",
         "..........cct.....",
         ".........cct......",
         "........cct.......",
         "........cct.......",
         ".........t........",
         "..................",
         "........cct.......",
         "........cct.......",
         ".........tt.......",
         "..................",
         "..................",
     },
     ""},
    {"BBYESX", kCheckMark, ""},
    {"BBNOX",
     {
         "..................",
         ".......rrrr.......",
         ".....rrrrrrrr.....",
         "...rrrrr..rrrrr...",
         "...rrr......rrr...",
         "..rrrrr......rrr..",
         "..rr.rrr......rr..",
         ".rrr..rrr.....rrr.",
         ".rr....rrr.....rr.",
         ".rr.....rrr....rr.",
         ".rrr.....rrr..rrr.",
         "..rr......rrr.rr..",
         "..rrr......rrrrr..",
         "...rrr......rrr...",
         "...rrrrr..rrrrr...",
         ".....rrrrrrrr.....",
         ".......rrrr.......",
         "..................",
     },
     ""},
    {"BBCLOSEX",
     {
         "..................",
         "..................",
         "....kkkkkkkkkk....",
         "....kmyyyyyyyk....",
         "....kmmyyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmkyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmmyyyyyk....",
         "....kmmyyyyyyk....",
         "....kmyyyyyyyk....",
         "..kkkkkkkkkkkkkk..",
         "..................",
     },
     "y"},
    {"BBABORTX", kCross, ""},
    {"BBRETRYX",
     {
         "..................",
         "..................",
         "......gggggg......",
         "....gggggggggg....",
         "...ggg......ggg...",
         "..ggg........ggg..",
         "..gg.......gggggg.",
         "............gggg..",
         ".............gg...",
         "...gg.............",
         "..gggg............",
         ".gggggg.......gg..",
         "..ggg........ggg..",
         "...ggg......ggg...",
         "....gggggggggg....",
         "......gggggg......",
         "..................",
         "..................",
     },
     ""},
    {"BBIGNOREX",
     {
         "..................",
         "..................",
         ".........gg.......",
         ".........gg.......",
         "..................",
         "........gggg......",
         ".......gg.ggg.....",
         "......gg..gg.g....",
         ".....g....gg..g...",
         "..........gg......",
         ".........gggg.....",
         "........gg..gg....",
         ".......gg....gg...",
         "......gg......g...",
         ".....gg.......gg..",
         "..................",
         "..................",
         "..................",
     },
     ""},
    {"BBALLX",
     {
         "..................",
         "..................",
         "..................",
         "...........ll.....",
         "..........lggn....",
         ".........lggn.....",
         "........lggn......",
         "ll.....lggn.......",
         "nggl..lggn.....ll.",
         ".nggllggn.....lggn",
         "..nggggn.....lggn.",
         "...nggn.....lggn..",
         "....ll.....lggn...",
         "....nggl..lggn....",
         ".....nggllggn.....",
         "......nggggn......",
         ".......nggn.......",
         "........nn........",
         "..................",
     },
     ""},
};
// clang-format on

// The About dialog's web button: a globe, 16 x 16, on purple. Its disabled cell shows
// the navy outline in dark grey with a white edge.
// clang-format off
inline const std::vector<std::string_view> kGlobe = {
    "................", ".....nnnnnn.....", "...nnbbbbbbnn...", "..nbbooobbbbbn..",
    "..nbooooobbobn..", ".nbbbooobboobbn.", ".nbbbboobbbbbbn.", ".nbbbbobbbbbbbn.",
    ".nbbbbbbbooobbn.", ".nbbbbbbooooobn.", ".nbbbbbbboooobn.", "..nbbbbbbbbobn..",
    "..nbbbbbbbbbbn..", "...nnbbbbbbnn...", ".....nnnnnn.....", "................",
};
// clang-format on

} // namespace glyphs
