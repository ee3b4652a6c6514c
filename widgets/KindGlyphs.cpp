#include "widgets/KindGlyphs.h"

#include "platform/Forms.h"

#include <array>
#include <optional>

namespace wb {
namespace {

constexpr std::array<KindPreset, 11> kPresets = {{
    {nullptr, nullptr, mrNone, false, false}, // bkCustom: nothing is preset
    {"BBOKX", "OK", mrOk, true, false},
    {"BBCANCELX", "Cancel", mrCancel, false, true},
    {"BBHELPX", "&Help", mrNone, false, false},
    {"BBYESX", "&Yes", mrYes, true, false},
    {"BBNOX", "&No", mrNo, false, true},
    {"BBCLOSEX", "&Close", mrNone, false, false},
    {"BBABORTX", "Abort", mrAbort, false, false},
    {"BBRETRYX", "&Retry", mrRetry, false, false},
    {"BBIGNOREX", "&Ignore", mrIgnore, false, false},
    {"BBALLX", "&All", mrAll, false, false},
}};

} // namespace

const KindPreset& kindPreset(TBitBtnXPKind kind)
{
    return kPresets.at(kind);
}

const QImage& kindGlyph(TBitBtnXPKind kind)
{
    static std::array<std::optional<QImage>, kPresets.size()> glyphs;
    std::optional<QImage>& glyph = glyphs.at(kind);
    if (!glyph) {
        const char* asset = kPresets.at(kind).asset;
        glyph =
            asset ? QImage(QStringLiteral(":/glyphs/%1.bmp").arg(QLatin1String(asset))) : QImage();
    }
    return *glyph;
}

} // namespace wb
