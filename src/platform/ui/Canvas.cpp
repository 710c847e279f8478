#include "platform/ui/Canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace vcl {

TCanvas::TCanvas() : image_(1, 1, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

void TCanvas::SetSize(int width, int height) {
    QImage next(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    next.fill(Qt::black);
    image_ = std::move(next);
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void TCanvas::LineTo(int x, int y) {
    const int x0 = penX_, y0 = penY_;
    penX_ = x;
    penY_ = y;
    if (Pen.Width > 1) {
        // Wide pens are rare (scale ticks); Qt's stroker is good enough there.
        QPainter p(&image_);
        p.setPen(QPen(ToQColor(Pen.Color), Pen.Width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(x0, y0, x, y);
        Changed();
        return;
    }
    const QRgb rgb = ToQColor(Pen.Color).rgb();
    // Bresenham along the major axis, steps 0 .. n-1 (the end point is step n).
    // Each step's minor coordinate is computed directly, so only the part of
    // the major range that lies inside the image is walked.
    const std::int64_t dx = static_cast<std::int64_t>(x) - x0;
    const std::int64_t dy = static_cast<std::int64_t>(y) - y0;
    const std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
    const bool xMajor = adx >= ady;
    const std::int64_t n = xMajor ? adx : ady;
    if (n == 0)
        return;
    const std::int64_t nMinor = xMajor ? ady : adx;
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t limit = xMajor ? image_.width() : image_.height();
    // Steps whose major coordinate lies in [0, limit).
    std::int64_t first = 0, last = n - 1;
    if (sMajor > 0) {
        first = std::max<std::int64_t>(first, -major0);
        last = std::min<std::int64_t>(last, limit - 1 - major0);
    } else {
        first = std::max<std::int64_t>(first, major0 - (limit - 1));
        last = std::min<std::int64_t>(last, major0);
    }
    // Walk the pixels straight in the image's memory (no per-pixel calls).
    const std::int64_t w = image_.width(), h = image_.height();
    uchar* bits = image_.bits();
    const std::int64_t stride = image_.bytesPerLine();
    const std::int64_t minorLimit = xMajor ? h : w;
    const std::int64_t twoN = 2 * n;
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = major0 + sMajor * i;
        const std::int64_t minor = minor0 + sMinor * ((2 * i * nMinor + n) / twoN);
        if (minor < 0 || minor >= minorLimit)
            continue;
        const std::int64_t px = xMajor ? major : minor;
        const std::int64_t py = xMajor ? minor : major;
        reinterpret_cast<QRgb*>(bits + py * stride)[px] = rgb;
    }
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    QPainter p(&image_);
    p.setFont(Font.Font);
    const QString s = QString::fromStdString(text);
    const QFontMetrics fm(Font.Font);
    const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
    p.fillRect(box, ToQColor(BrushColor));
    p.setPen(ToQColor(Font.Color));
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
    penX_ = x + box.width();
    penY_ = y;
    Changed();
}

void TCanvas::Clear(TColor color) {
    image_.fill(ToQColor(color));
    Changed();
}

TColor TCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return clBlack;
    return FromQColor(QColor(image_.pixel(x, y)));
}

void TCanvas::Changed() {
    if (OnChanged)
        OnChanged();
}

} // namespace vcl
