#pragma once
// The settings of the shadowed label, shared by its geometry and its drawing. The
// values are those that form definitions store.
#include <cstdint>

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Vertical placement of the text block.
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// Direction in which the shadow copy is displaced from the text.
enum TShadowPosition : std::uint8_t { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
