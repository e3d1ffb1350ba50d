#include "template_pdf.h"

#include "numbers.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace mirefa {

namespace {

constexpr int dotsPerInch = 1200;
constexpr double dotsPerMm = dotsPerInch / 25.4;

QPageSize pageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::letter ? QPageSize::Letter : QPageSize::A4);
}

// The painter works in millimetres; only text is laid out in device dots, as
// a font's pixel size is a whole number.
void drawText(QPainter& p, const TemplateText& t) {
    p.save();
    p.translate(t.x, t.y);
    if (t.upright)
        p.rotate(-90);
    p.scale(1 / dotsPerMm, 1 / dotsPerMm);
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(qRound(t.size * dotsPerMm));
    p.setFont(font);
    const QString text = QString::fromStdString(t.text);
    const double width = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    p.drawText(QPointF(t.anchor == TextAnchor::middle ? -width / 2 : 0, 0), text);
    p.restore();
}

void draw(QPainter& p, const FretTemplate& t) {
    for (const TemplateLine& l : t.lines) {
        p.setPen(QPen(Qt::black, l.width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    p.setPen(Qt::black);
    for (const TemplateText& t2 : t.texts)
        drawText(p, t2);
}

void drawMark(QPainter& p, const MmPoint& m) {
    constexpr double arm = 4;
    constexpr double radius = 2;
    p.setPen(QPen(Qt::black, 0.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(m.x - arm, m.y), QPointF(m.x + arm, m.y));
    p.drawLine(QPointF(m.x, m.y - arm), QPointF(m.x, m.y + arm));
    p.drawEllipse(QPointF(m.x, m.y), radius, radius);
}

} // namespace

void writeTemplatePdf(QIODevice& device, const FretTemplate& drawing, Paper paper,
                      const QString& title) {
    const MmRect page = landscapePage(paper);
    const MmRect room = drawingRoom(paper);
    const std::vector<PlannedPage> pages =
        planPages(drawing.extent, room.width, room.height, printOverlap);

    QPdfWriter writer(&device);
    writer.setResolution(dotsPerInch);
    writer.setPageLayout(QPageLayout(pageSizeOf(paper), QPageLayout::Landscape, QMarginsF()));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Mirefa"));

    QPainter p(&writer);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dotsPerMm, dotsPerMm);
    const std::string count = runtime::numberToText(static_cast<std::int64_t>(pages.size()));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        const PlannedPage& planned = pages[i];
        p.save();
        p.setClipRect(QRectF(room.x, room.y, room.width, room.height));
        p.translate(room.x - planned.area.x, room.y - planned.area.y);
        draw(p, drawing);
        for (const MmPoint& m : planned.marks)
            drawMark(p, m);
        p.restore();

        const double barY = page.bottom() - printMargin - printFooter / 2;
        draw(p, scaleBar(room.x + 5, barY));
        const std::string number =
            runtime::numberToText(static_cast<std::int64_t>(i + 1)) + " / " + count;
        const double textX = room.x + scaleBarLength + 25;
        draw(p, FretTemplate{{},
                             {},
                             {{textX, barY - 1.5, 2.5, false, TextAnchor::start,
                               "Sayfa " + number +
                                   " · Gerçek boyut: %100 ölçekle yazdırın, çubuk 100 mm olmalı."},
                              {textX, barY + 2.5, 2.5, false, TextAnchor::start,
                               "Komşu sayfaları artı işaretleri üst üste gelecek biçimde "
                               "birleştirin."}}});
    }
}

} // namespace mirefa
