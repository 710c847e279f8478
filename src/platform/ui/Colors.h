#pragma once

#include <QColor>
#include <cstdint>

namespace vcl {

// Colour values as the instrument writes them: 0x00BBGGRR.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clBtnShadow = 0x808080;
inline constexpr TColor cl3DLight = 0xE3E3E3;
inline constexpr TColor clHighlightText = 0xFFFFFF;
inline constexpr TColor clBtnFace = 0xF0F0F0;
inline constexpr TColor clWindow = 0xFFFFFF;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

inline QColor ToQColor(TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline TColor FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace vcl
