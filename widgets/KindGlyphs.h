#pragma once
// What each Kind of the bitmap button presets, and the kinds' shared glyph images.
#include "widgets/ButtonTypes.h"

#include <QImage>
#include <QString>

namespace wb {

struct KindPreset {
    const char* asset; // resource name of the glyph
    const char* caption;
    int modalResult;
    bool isDefault;
    bool isCancel;
};

const KindPreset& kindPreset(TBitBtnXPKind kind);

// The glyph of `kind` (none for bkCustom), loaded from the assets on first use and
// kept until the program ends. Copies share its pixels until one of them changes.
const QImage& kindGlyph(TBitBtnXPKind kind);

} // namespace wb
