#pragma once
// Colours as the windows and widgets name them: a fixed RGB value, or one of the
// desktop's system colours, which is looked up in the application palette every time
// it is resolved, so a palette change shows at the next paint.
#include <QColor>
#include <cstdint>

enum class TSystemColor : std::uint8_t {
    BtnFace,
    BtnShadow,
    BtnHighlight,
    WindowFrame,
    WindowText,
    GrayText,
};

class TColor {
public:
    constexpr TColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : m_value(std::uint32_t(red) << 16 | std::uint32_t(green) << 8 | blue)
    {
    }
    static constexpr TColor system(TSystemColor color) { return TColor(color); }
    static TColor fromQColor(const QColor& color)
    {
        return TColor(std::uint8_t(color.red()), std::uint8_t(color.green()),
                      std::uint8_t(color.blue()));
    }

    constexpr bool isSystem() const { return m_system; }
    // The colour's RGB value at this moment.
    QColor toQColor() const;
    QRgb rgb() const { return toQColor().rgb(); }

    friend constexpr bool operator==(TColor, TColor) = default;

private:
    constexpr explicit TColor(TSystemColor color)
        : m_value(std::uint32_t(color))
        , m_system(true)
    {
    }

    std::uint32_t m_value = 0;
    bool m_system = false;
};

inline constexpr TColor clBlack(0, 0, 0);
inline constexpr TColor clMaroon(128, 0, 0);
inline constexpr TColor clGreen(0, 128, 0);
inline constexpr TColor clOlive(128, 128, 0);
inline constexpr TColor clNavy(0, 0, 128);
inline constexpr TColor clPurple(128, 0, 128);
inline constexpr TColor clTeal(0, 128, 128);
inline constexpr TColor clGray(128, 128, 128);
inline constexpr TColor clSilver(192, 192, 192);
inline constexpr TColor clRed(255, 0, 0);
inline constexpr TColor clLime(0, 255, 0);
inline constexpr TColor clYellow(255, 255, 0);
inline constexpr TColor clBlue(0, 0, 255);
inline constexpr TColor clFuchsia(255, 0, 255);
inline constexpr TColor clAqua(0, 255, 255);
inline constexpr TColor clWhite(255, 255, 255);

inline constexpr TColor clBtnFace = TColor::system(TSystemColor::BtnFace);
inline constexpr TColor clBtnShadow = TColor::system(TSystemColor::BtnShadow);
inline constexpr TColor clBtnHighlight = TColor::system(TSystemColor::BtnHighlight);
inline constexpr TColor clWindowFrame = TColor::system(TSystemColor::WindowFrame);
inline constexpr TColor clWindowText = TColor::system(TSystemColor::WindowText);
inline constexpr TColor clGrayText = TColor::system(TSystemColor::GrayText);
