// Immediate-mode drawing surface of the main window's client area.
// Drawing goes straight into an image; the client widget shows that image.
// GUI thread only.
#pragma once

#include "platform/ui/Colors.h"

#include <QFont>
#include <QImage>
#include <functional>
#include <string>

namespace vcl {

class TCanvas {
public:
    struct TPen {
        TColor Color = clBlack;
        int Width = 1;
    };
    struct TFont {
        TColor Color = clBlack;
        QFont Font;
    };

    TPen Pen;
    TFont Font;
    // Background of TextOut's box.
    TColor BrushColor = clBlack;

    TCanvas();

    // Resizes the image; new content is black.
    void SetSize(int width, int height);
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    void MoveTo(int x, int y);
    // Draws from the pen position to (x, y), leaving out (x, y) itself; the pen
    // position becomes (x, y). Pixels outside the image are clipped.
    void LineTo(int x, int y);
    // Writes text with its top-left corner at (x, y) on an opaque box of BrushColor.
    void TextOut(int x, int y, const std::string& text);
    void Clear(TColor color = clBlack);

    int PenX() const { return penX_; }
    int PenY() const { return penY_; }
    TColor Pixel(int x, int y) const;
    const QImage& Image() const { return image_; }

    // Called after each drawing operation so the shown image can be refreshed.
    std::function<void()> OnChanged;

private:
    void Changed();

    QImage image_;
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace vcl
