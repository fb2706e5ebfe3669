#include "resources/generator/RoleArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace kestrom {

namespace {

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// The standard arrow with its tip at tip.
QPainterPath arrow(QPointF tip) {
    return polygon({{0, 0}, {0, 17}, {4, 13}, {7, 20}, {10, 19}, {7, 12.5}, {12, 12.5}})
        .translated(tip);
}

QPainterPath hourglass(QRectF box) {
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const qreal cx = box.center().x(), cy = box.center().y();
    const qreal neck = box.width() * 0.12;
    return polygon({{l, t},
                    {r, t},
                    {r, t + box.height() * 0.12},
                    {cx + neck, cy},
                    {r, b - box.height() * 0.12},
                    {r, b},
                    {l, b},
                    {l, b - box.height() * 0.12},
                    {cx - neck, cy},
                    {l, t + box.height() * 0.12}});
}

// A double-headed arrow along the x axis, centred on 0,0, turned by angle degrees.
QPainterPath doubleArrow(qreal angle, qreal half) {
    const qreal head = 5.5, shaft = 1.6, headLen = 6;
    QPainterPath path = polygon({{-half, 0},
                                 {-half + headLen, -head},
                                 {-half + headLen, -shaft},
                                 {half - headLen, -shaft},
                                 {half - headLen, -head},
                                 {half, 0},
                                 {half - headLen, head},
                                 {half - headLen, shaft},
                                 {-half + headLen, shaft},
                                 {-half + headLen, head}});
    return QTransform().translate(16, 16).rotate(angle).map(path);
}

QPainterPath fourHeadedArrow() {
    QPainterPath path = doubleArrow(0, 14).united(doubleArrow(90, 14));
    return path.simplified();
}

QPainterPath cross() {
    QPainterPath path;
    path.addRect(QRectF(14, 1, 3, 29));
    path.addRect(QRectF(1, 14, 29, 3));
    return path.simplified();
}

QPainterPath ibeam() {
    QPainterPath path;
    path.addRect(QRectF(11, 4, 11, 2));
    path.addRect(QRectF(15, 5, 2, 22));
    path.addRect(QRectF(11, 26, 11, 2));
    return path.simplified();
}

QPainterPath slashedCircle() {
    QPainterPath ring;
    ring.addEllipse(QPointF(16, 16), 13, 13);
    QPainterPath inner;
    inner.addEllipse(QPointF(16, 16), 9, 9);
    ring = ring.subtracted(inner);
    const QPainterPath bar = QTransform().translate(16, 16).rotate(45).map([] {
        QPainterPath p;
        p.addRect(QRectF(-10, -2, 20, 4));
        return p;
    }());
    return ring.united(bar).simplified();
}

QPainterPath upArrow() {
    return polygon({{16, 2}, {26, 13}, {20, 13}, {20, 29}, {12, 29}, {12, 13}, {6, 13}});
}

QPainterPath pen() {
    // A pencil lying from the lower right to its point at 6,6.
    const QPainterPath body = polygon({{0, 0}, {6, 2.5}, {24, 20.5}, {20.5, 24}, {2.5, 6}});
    return body.translated(6, 6);
}

QPainterPath questionMark() {
    QPainterPath path;
    path.moveTo(17, 13);
    path.arcTo(QRectF(17, 4, 10, 9), 180, -270);
    path.lineTo(22, 16);
    path.lineTo(22, 18.5);
    QPainterPathStroker stroker;
    stroker.setWidth(2.6);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath mark = stroker.createStroke(path);
    mark.addEllipse(QPointF(22, 22.5), 1.7, 1.7);
    return mark.simplified();
}

QPainterPath hand() {
    QPainterPath finger;
    finger.addRoundedRect(QRectF(10.5, 2.5, 5, 16), 2.5, 2.5);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(8.5, 12.5, 17, 15), 4, 4);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(15, 10.5, 4.5, 8), 2.2, 2.2);
    knuckles.addRoundedRect(QRectF(19, 11.5, 4.5, 8), 2.2, 2.2);
    knuckles.addRoundedRect(QRectF(22.5, 13, 4, 8), 2, 2);
    QPainterPath thumb = QTransform().translate(9, 19).rotate(-40).map([] {
        QPainterPath p;
        p.addRoundedRect(QRectF(-8, -2.2, 9, 4.4), 2.2, 2.2);
        return p;
    }());
    return finger.united(palm).united(knuckles).united(thumb).simplified();
}

void outline(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void solid(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::black);
    p.drawPath(path);
}

void drawHourglass(QPainter& p, QRectF box) {
    outline(p, hourglass(box));
    // Sand: a heap in the lower bulb and a trickle through the neck.
    const qreal cx = box.center().x(), b = box.bottom();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(polygon({{cx, b - box.height() * 0.36},
                        {box.right() - box.width() * 0.18, b - box.height() * 0.12},
                        {box.left() + box.width() * 0.18, b - box.height() * 0.12}}));
    p.drawRect(QRectF(cx - 0.6, box.center().y() - 1, 1.2, box.height() * 0.2));
}

void paint(QPainter& p, int slot) {
    switch (slot) {
    case 1:
        drawHourglass(p, QRectF(8.5, 3.5, 15, 25));
        break;
    case 2:
        outline(p, arrow({4, 5}));
        drawHourglass(p, QRectF(16.5, 16.5, 10, 13));
        break;
    case 3:
        outline(p, arrow({5, 1}));
        break;
    case 4:
        solid(p, cross().translated(-0.5, -0.5));
        break;
    case 5:
        outline(p, arrow({6, 6}));
        solid(p, questionMark().translated(1, 2));
        break;
    case 6:
        solid(p, ibeam());
        break;
    case 7:
        p.setPen(QPen(Qt::black, 1.3));
        p.setBrush(QColor(220, 0, 0));
        p.drawPath(slashedCircle());
        break;
    case 8:
        outline(p, fourHeadedArrow());
        break;
    case 9:
        outline(p, doubleArrow(-45, 14));
        break;
    case 10:
        outline(p, doubleArrow(90, 14));
        break;
    case 11:
        outline(p, doubleArrow(45, 14));
        break;
    case 12:
        outline(p, doubleArrow(0, 14));
        break;
    case 13:
        outline(p, upArrow());
        break;
    case 14:
        outline(p, pen());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(polygon({{6, 6}, {9.5, 7.4}, {7.4, 9.5}}));
        break;
    case 15:
        outline(p, hand());
        break;
    default:
        break;
    }
}

} // namespace

QImage RoleArtwork::Draw(int slot) {
    QImage image(kSide, kSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, slot);
    p.end();
    return image;
}

} // namespace kestrom
