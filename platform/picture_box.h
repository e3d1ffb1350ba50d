#pragma once
// A picture box: a widget that draws into a persistent image and repaints from
// it, with scales, pens, circles, printed text, raster copies and pixel reads.
// Drawing is aliased and exact: a pixel read returns the colour drawn.

#include "printed_text.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace platform {

/** A colour as the window programs hold it: 0x00BBGGRR (red in the lowest byte). */
using Colour = std::int32_t;

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}
constexpr int redOf(Colour c) {
    return c & 0xFF;
}
constexpr int greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

inline constexpr Colour black = rgb(0, 0, 0);
inline constexpr Colour white = rgb(255, 255, 255);

enum class DrawStyle { Solid, Dot };
enum class FillStyle { Solid, Transparent };
/** Raster operations of a copy: the source replaces the destination, or is ANDed into it. */
enum class RasterOp : std::uint32_t { SrcCopy = 0x00CC0020, SrcAnd = 0x008800C6 };

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    /** A sunken 2-pixel border around the drawing area, as a framed picture box has. */
    void setBorder(bool on);
    bool hasBorder() const { return m_border; }

    /** Size of the drawing area in pixels. */
    QSize clientSize() const { return contentsRect().size().expandedTo(QSize(1, 1)); }
    /** The persistent image (RGB32). */
    const QImage& image() const;
    /** Puts a picture into the box; clear() restores it instead of a blank background. */
    void setPicture(const QImage& picture);

    void setBackColour(Colour c);
    Colour backColour() const { return m_back; }
    void setForeColour(Colour c) { m_fore = c; }
    Colour foreColour() const { return m_fore; }
    void setFillColour(Colour c) { m_fill = c; }
    void setFillStyle(FillStyle s) { m_fillStyle = s; }
    /** Pen width in pixels; wider pens are square and always solid. */
    void setDrawWidth(int pixels) { m_drawWidth = pixels < 1 ? 1 : pixels; }
    int drawWidth() const { return m_drawWidth; }
    /** Dotted lines alternate two pixels on and two off; they apply to width 1 only. */
    void setDrawStyle(DrawStyle s) { m_drawStyle = s; }
    DrawStyle drawStyle() const { return m_drawStyle; }

    /** Coordinates in pixels from the top-left corner (the default). */
    void setPixelScale();
    /** Coordinates in twips (15 to the pixel) from the top-left corner. */
    void setTwipScale();
    /**
     * User coordinates: (x1, y1) is the top-left corner of the drawing area and
     * (x2, y2) the bottom-right one. (0, 20)-(1001, 0) puts y = 0 on the bottom
     * edge with y growing upwards.
     */
    void setUserScale(double x1, double y1, double x2, double y2);
    double scaleLeft() const { return synced().m_scaleLeft; }
    double scaleTop() const { return synced().m_scaleTop; }
    double scaleWidth() const { return synced().m_scaleWidth; }
    double scaleHeight() const { return synced().m_scaleHeight; }

    /** A point in the box's scale to a pixel (nearest, halves to even). */
    QPoint toPixel(double x, double y) const;
    /** A pixel position (may be fractional) to the box's scale. */
    QPointF fromPixel(double px, double py) const;

    /** Clears to the background (and picture) and puts the print position at the origin. */
    void clear();

    /** A line in the foreground colour with the current width and style, both ends included. */
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, Colour c);
    /**
     * A circle of the given radius (in units of the x scale) in the foreground
     * colour or the colour given; with the solid fill style its inside is
     * painted in the fill colour first.
     */
    void circle(double x, double y, double radius);
    void circle(double x, double y, double radius, Colour outline);

    /** Print position in the box's scale. */
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }
    /**
     * Prints text at the print position in the foreground colour; the position
     * moves past it. Every character stays visible: its ink keeps a blank pixel
     * from the ink before it, also from a print that ended at this position.
     */
    void print(const QString& text);
    /** Prints text and moves the print position to the start of the next line. */
    void printLine(const QString& text = QString());
    /**
     * Moves the print position to a character column, counted from 1 at the left
     * edge in average character widths of the box's font; to the next line first
     * when the position is already past it.
     */
    void tab(int column);
    /** Width of a text as print() lays it out, and the line height, in the box's scale. */
    double textWidth(const QString& text) const;
    double textHeight() const;

    /**
     * Copies a region of a source picture (pixels) to (x, y) of this box (pixels),
     * at 1:1. Parts outside either picture are left out.
     */
    void paintPicture(const QImage& source, int x, int y, int srcX, int srcY, int width, int height,
                      RasterOp op);

    /** The colour of the pixel under a point of the box's scale; -1 outside the drawing area. */
    Colour point(double x, double y) const;

signals:
    /** Mouse events, with the position in the box's scale. */
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setPixel(int x, int y, Colour c);
    void stamp(int x, int y, Colour c);
    void rasterLine(QPoint a, QPoint b, Colour c);
    int radiusInPixels(double radius) const;
    QPointF eventPoint(const QPointF& widgetPos) const;
    void syncSize();
    const PictureBox& synced() const;

    QImage m_image;
    QImage m_picture;
    bool m_border = false;
    Colour m_back = white;
    Colour m_fore = black;
    Colour m_fill = black;
    FillStyle m_fillStyle = FillStyle::Transparent;
    DrawStyle m_drawStyle = DrawStyle::Solid;
    int m_drawWidth = 1;
    enum class ScaleMode { Pixel, Twip, User } m_scaleMode = ScaleMode::Pixel;
    double m_scaleLeft = 0;
    double m_scaleTop = 0;
    double m_scaleWidth = 0;
    double m_scaleHeight = 0;
    double m_currentX = 0;
    double m_currentY = 0;
    // The characters of the last print and where it left the print position.
    std::vector<CharacterInk> m_lastInk;
    double m_inkEndX = 0;
    double m_inkEndY = 0;
};

} // namespace platform
