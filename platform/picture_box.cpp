#include "picture_box.h"

#include "numbers.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

constexpr int borderWidth = 2;

QRgb toQRgb(Colour c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

Colour fromQRgb(QRgb c) {
    return rgb(qRed(c), qGreen(c), qBlue(c));
}

int nearestPixel(double v) {
    // Far-away points still have to land somewhere outside the image.
    constexpr double limit = 1 << 24;
    if (!(v > -limit))
        return -(1 << 24);
    if (v > limit)
        return 1 << 24;
    return static_cast<int>(std::nearbyint(v));
}

/** The disc of radius r: the pixels whose centres lie within r + 1/2 of the centre. */
bool inDisc(int dx, int dy, int r) {
    return dx * dx + dy * dy <= r * r + r;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = QImage(QSize(1, 1), QImage::Format_RGB32);
    m_image.fill(toQRgb(m_back));
    setPixelScale();
}

void PictureBox::setBorder(bool on) {
    m_border = on;
    const int m = on ? borderWidth : 0;
    setContentsMargins(m, m, m, m);
    syncSize();
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    clear();
}

void PictureBox::setBackColour(Colour c) {
    m_back = c;
    clear();
}

void PictureBox::setPixelScale() {
    syncSize();
    m_scaleMode = ScaleMode::Pixel;
    m_scaleLeft = m_scaleTop = 0;
    m_scaleWidth = m_image.width();
    m_scaleHeight = m_image.height();
}

void PictureBox::setTwipScale() {
    syncSize();
    m_scaleMode = ScaleMode::Twip;
    m_scaleLeft = m_scaleTop = 0;
    m_scaleWidth = m_image.width() * double(runtime::twipsPerPixel);
    m_scaleHeight = m_image.height() * double(runtime::twipsPerPixel);
}

void PictureBox::setUserScale(double x1, double y1, double x2, double y2) {
    syncSize();
    m_scaleMode = ScaleMode::User;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
}

const PictureBox& PictureBox::synced() const {
    // The image follows the widget's size lazily; reading it is logically const.
    const_cast<PictureBox*>(this)->syncSize();
    return *this;
}

const QImage& PictureBox::image() const {
    return synced().m_image;
}

QPoint PictureBox::toPixel(double x, double y) const {
    synced();
    const double px = m_scaleWidth == 0 ? 0 : (x - m_scaleLeft) * m_image.width() / m_scaleWidth;
    const double py = m_scaleHeight == 0 ? 0 : (y - m_scaleTop) * m_image.height() / m_scaleHeight;
    return {nearestPixel(px), nearestPixel(py)};
}

QPointF PictureBox::fromPixel(double px, double py) const {
    synced();
    return {m_scaleLeft + px * m_scaleWidth / m_image.width(),
            m_scaleTop + py * m_scaleHeight / m_image.height()};
}

void PictureBox::clear() {
    syncSize();
    m_image.fill(toQRgb(m_back));
    if (!m_picture.isNull()) {
        QPainter p(&m_image);
        p.drawImage(0, 0, m_picture);
    }
    m_currentX = m_scaleLeft;
    m_currentY = m_scaleTop;
    m_lastInk.clear();
    update();
}

void PictureBox::setPixel(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
        reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = toQRgb(c);
}

void PictureBox::stamp(int x, int y, Colour c) {
    if (m_drawWidth == 1) {
        setPixel(x, y, c);
        return;
    }
    const int from = -(m_drawWidth / 2);
    for (int dy = from; dy < from + m_drawWidth; ++dy)
        for (int dx = from; dx < from + m_drawWidth; ++dx)
            setPixel(x + dx, y + dy, c);
}

void PictureBox::rasterLine(QPoint a, QPoint b, Colour c) {
    // Bresenham's pixels in closed form: step k along the major axis lies
    // floor((2k * minor + major) / (2 * major)) steps along the minor one. Only
    // the steps whose major coordinate is near the picture are visited, so a
    // line that reaches far outside costs no more than one across it. 64 bits:
    // endpoints far outside must not overflow.
    const std::int64_t ax = a.x(), ay = a.y();
    const std::int64_t adx = std::llabs(std::int64_t(b.x()) - ax);
    const std::int64_t ady = std::llabs(std::int64_t(b.y()) - ay);
    const int sx = ax < b.x() ? 1 : -1;
    const int sy = ay < b.y() ? 1 : -1;
    const bool xMajor = adx >= ady;
    const std::int64_t major = xMajor ? adx : ady;
    const std::int64_t minor = xMajor ? ady : adx;
    const std::int64_t start = xMajor ? ax : ay;
    const int direction = xMajor ? sx : sy;
    const int margin = m_drawWidth;
    const std::int64_t low = -margin;
    const std::int64_t high = (xMajor ? m_image.width() : m_image.height()) + margin - 1;
    std::int64_t first = direction > 0 ? low - start : start - high;
    std::int64_t last = direction > 0 ? high - start : start - low;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, major);
    const bool dotted = m_drawStyle == DrawStyle::Dot && m_drawWidth == 1;
    for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t j = major == 0 ? 0 : (2 * k * minor + major) / (2 * major);
        const std::int64_t x = ax + sx * (xMajor ? k : j);
        const std::int64_t y = ay + sy * (xMajor ? j : k);
        const bool near = x >= -margin && y >= -margin && x < m_image.width() + margin &&
                          y < m_image.height() + margin;
        if (near && (!dotted || k % 4 < 2))
            stamp(int(x), int(y), c);
    }
}

void PictureBox::line(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y2, m_fore);
}

void PictureBox::line(double x1, double y1, double x2, double y2, Colour c) {
    syncSize();
    rasterLine(toPixel(x1, y1), toPixel(x2, y2), c);
    m_currentX = x2;
    m_currentY = y2;
    update();
}

int PictureBox::radiusInPixels(double radius) const {
    if (m_scaleWidth == 0)
        return 0;
    return nearestPixel(std::abs(radius * m_image.width() / m_scaleWidth));
}

void PictureBox::circle(double x, double y, double radius) {
    circle(x, y, radius, m_fore);
}

void PictureBox::circle(double x, double y, double radius, Colour outline) {
    syncSize();
    const QPoint c = toPixel(x, y);
    const int r = radiusInPixels(radius);
    if (r > 4 * std::max(m_image.width(), m_image.height()) + 16)
        return; // a circle that large lies outside the picture
    const auto onEdge = [r](int dx, int dy) {
        return !inDisc(dx + 1, dy, r) || !inDisc(dx - 1, dy, r) || !inDisc(dx, dy + 1, r) ||
               !inDisc(dx, dy - 1, r);
    };
    // The fill first, so that a wide outline lies on top of it.
    if (m_fillStyle == FillStyle::Solid)
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (inDisc(dx, dy, r) && !onEdge(dx, dy))
                    setPixel(c.x() + dx, c.y() + dy, m_fill);
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (inDisc(dx, dy, r) && onEdge(dx, dy))
                stamp(c.x() + dx, c.y() + dy, outline);
    m_currentX = x;
    m_currentY = y;
    update();
}

double PictureBox::textWidth(const QString& text) const {
    const double px = layOutPrint(font(), text, QPoint(0, 0)).advance;
    return px * m_scaleWidth / m_image.width();
}

double PictureBox::textHeight() const {
    const double px = QFontMetricsF(font()).height();
    return px * m_scaleHeight / m_image.height();
}

void PictureBox::print(const QString& text) {
    syncSize();
    const QPoint at = toPixel(m_currentX, m_currentY);
    const int baseline = at.y() + int(std::nearbyint(QFontMetricsF(font()).ascent()));
    const bool continues = m_currentX == m_inkEndX && m_currentY == m_inkEndY;
    if (!continues)
        m_lastInk.clear();
    PrintedText printed = layOutPrint(font(), text, QPoint(at.x(), baseline), m_lastInk);
    for (const CharacterInk& ink : printed.characters)
        for (int y = ink.rect.top(); y <= ink.rect.bottom(); ++y)
            for (int x = ink.rect.left(); x <= ink.rect.right(); ++x)
                if (ink.hasInk(x, y))
                    setPixel(x, y, m_fore);
    // Blanks alone leave the ink before as the neighbour of what follows.
    if (!printed.characters.empty())
        m_lastInk = std::move(printed.characters);
    m_currentX += printed.advance * m_scaleWidth / m_image.width();
    m_inkEndX = m_currentX;
    m_inkEndY = m_currentY;
    update();
}

void PictureBox::printLine(const QString& text) {
    print(text);
    m_currentX = m_scaleLeft;
    m_currentY += textHeight();
}

void PictureBox::tab(int column) {
    syncSize();
    const double charWidth =
        QFontMetricsF(font()).averageCharWidth() * m_scaleWidth / m_image.width();
    const double target = m_scaleLeft + (column < 1 ? 0 : column - 1) * charWidth;
    if ((m_scaleWidth >= 0 && m_currentX > target) || (m_scaleWidth < 0 && m_currentX < target))
        printLine();
    m_currentX = target;
}

void PictureBox::paintPicture(const QImage& source, int x, int y, int srcX, int srcY, int width,
                              int height, RasterOp op) {
    syncSize();
    const QImage src = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    for (int j = 0; j < height; ++j) {
        const int sy = srcY + j, dy = y + j;
        if (sy < 0 || sy >= src.height() || dy < 0 || dy >= m_image.height())
            continue;
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        QRgb* to = reinterpret_cast<QRgb*>(m_image.scanLine(dy));
        for (int i = 0; i < width; ++i) {
            const int sx = srcX + i, dx = x + i;
            if (sx < 0 || sx >= src.width() || dx < 0 || dx >= m_image.width())
                continue;
            to[dx] = op == RasterOp::SrcAnd ? (to[dx] & from[sx]) | 0xFF000000u : from[sx];
        }
    }
    update();
}

Colour PictureBox::point(double x, double y) const {
    const QPoint p = toPixel(x, y);
    if (!m_image.rect().contains(p))
        return -1;
    return fromQRgb(m_image.pixel(p));
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_border) {
        const QRect r = rect();
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Shadow));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::Midlight));
        p.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
        p.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
    }
    p.drawImage(contentsRect().topLeft(), m_image);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    syncSize();
}

void PictureBox::syncSize() {
    // A hidden widget gets its resize event only when shown; drawing may come first.
    const QSize wanted = contentsRect().size().expandedTo(QSize(1, 1));
    if (wanted == m_image.size())
        return;
    QImage next(wanted, QImage::Format_RGB32);
    next.fill(toQRgb(m_back));
    QPainter p(&next);
    p.drawImage(0, 0, m_image);
    p.end();
    m_image = next;
    if (m_scaleMode == ScaleMode::Pixel)
        setPixelScale();
    else if (m_scaleMode == ScaleMode::Twip)
        setTwipScale();
}

QPointF PictureBox::eventPoint(const QPointF& widgetPos) const {
    const QPointF inside = widgetPos - contentsRect().topLeft();
    return fromPixel(std::floor(inside.x()), std::floor(inside.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF at = eventPoint(event->position());
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = eventPoint(event->position());
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = eventPoint(event->position());
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

} // namespace platform
