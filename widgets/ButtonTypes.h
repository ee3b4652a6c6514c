#pragma once
// The settings of the bitmap button and its glyph, shared by its parts.
#include <cstdint>

enum TBitBtnXPKind : std::uint8_t {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll,
};

// Side of the caption on which the glyph sits.
enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Stored for compatibility of form definitions; the drawing does not depend on it.
enum TButtonStyle : std::uint8_t { bsAutoDetect, bsWin31, bsNew };

// Cell n (from 1) of a glyph image belongs to state n - 1.
enum TGlyphState : std::uint8_t { gsUp, gsDisabled, gsDown };
