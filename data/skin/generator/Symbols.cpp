#include "Symbols.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <cmath>

namespace sonara::skingen {

namespace {

QPainterPath stroked(const QPainterPath& line, qreal width, Qt::PenCapStyle cap = Qt::FlatCap,
                     Qt::PenJoinStyle join = Qt::MiterJoin) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(line).simplified();
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.addPolygon(QPolygonF({a, b, c, a}));
    path.closeSubpath();
    return path;
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, r, r);
    return path;
}

QPainterPath united(std::initializer_list<QPainterPath> parts) {
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts) {
        all.addPath(part);
    }
    return all.simplified();
}

QPainterPath play() {
    return triangle({2.5, 0.5}, {11.5, 6}, {2.5, 11.5});
}
QPainterPath pause() {
    return united({rect(2, 1, 3, 10), rect(7, 1, 3, 10)});
}
QPainterPath stop() {
    return roundRect(1.5, 1.5, 9, 9, 1.2);
}
QPainterPath previous() {
    return united({rect(1, 1, 2, 10), triangle({11, 1}, {3.5, 6}, {11, 11})});
}
QPainterPath next() {
    return united({rect(9, 1, 2, 10), triangle({1, 1}, {8.5, 6}, {1, 11})});
}

QPainterPath repeat() {
    QPainterPath top;
    top.moveTo(2, 8);
    top.lineTo(2, 5.5);
    top.quadTo(2, 3, 4.5, 3);
    top.lineTo(8, 3);
    QPainterPath bottom;
    bottom.moveTo(10, 4);
    bottom.lineTo(10, 6.5);
    bottom.quadTo(10, 9, 7.5, 9);
    bottom.lineTo(4, 9);
    return united({stroked(top, 1.6), stroked(bottom, 1.6), triangle({7.5, 0}, {11, 3}, {7.5, 6}),
                   triangle({4.5, 6}, {1, 9}, {4.5, 12})});
}

QPainterPath shuffle() {
    QPainterPath a;
    a.moveTo(0.5, 3);
    a.lineTo(2.5, 3);
    a.cubicTo(5.5, 3, 5.5, 9, 8.5, 9);
    QPainterPath b;
    b.moveTo(0.5, 9);
    b.lineTo(2.5, 9);
    b.cubicTo(5.5, 9, 5.5, 3, 8.5, 3);
    return united({stroked(a, 1.5), stroked(b, 1.5), triangle({8.5, 0.5}, {12, 3}, {8.5, 5.5}),
                   triangle({8.5, 6.5}, {12, 9}, {8.5, 11.5})});
}

QPainterPath folder() {
    QPainterPath body;
    body.moveTo(0.5, 1.5);
    body.lineTo(4.5, 1.5);
    body.lineTo(6, 3);
    body.lineTo(11.5, 3);
    body.lineTo(11.5, 10.5);
    body.lineTo(0.5, 10.5);
    body.closeSubpath();
    // The flap: a thin cut separates the front from the back.
    return body.subtracted(rect(1.5, 4.5, 9, 1)).simplified();
}

QPainterPath addToList() {
    return united({rect(0.5, 1, 7, 1.6), rect(0.5, 4.7, 7, 1.6), rect(0.5, 8.4, 4, 1.6),
                   rect(8.7, 5.5, 1.6, 6), rect(6.5, 7.7, 6, 1.6)});
}

QPainterPath removeCross() {
    QPainterPath a;
    a.moveTo(2, 2);
    a.lineTo(10, 10);
    QPainterPath b;
    b.moveTo(10, 2);
    b.lineTo(2, 10);
    return united({stroked(a, 2.2), stroked(b, 2.2)});
}

QPainterPath expandCollapse() {
    return united({triangle({6, 0}, {10.5, 4.2}, {1.5, 4.2}),
                   triangle({1.5, 7.8}, {10.5, 7.8}, {6, 12}), rect(5.1, 3.5, 1.8, 5)});
}

QPainterPath moveUp() {
    return united({triangle({6, 0.5}, {11.5, 6.5}, {0.5, 6.5}), rect(4, 6, 4, 5.5)});
}
QPainterPath moveDown() {
    return united({triangle({0.5, 5.5}, {11.5, 5.5}, {6, 11.5}), rect(4, 0.5, 4, 5.5)});
}

QPainterPath search() {
    QPainterPath ring;
    ring.addEllipse(QPointF(4.8, 4.8), 3.5, 3.5);
    QPainterPath handle;
    handle.moveTo(7.4, 7.4);
    handle.lineTo(10.8, 10.8);
    return united({stroked(ring, 1.7), stroked(handle, 2.4, Qt::RoundCap)});
}

QPainterPath eject() {
    return united({triangle({6, 1}, {11.5, 6.5}, {0.5, 6.5}), rect(0.5, 8.5, 11, 2.5)});
}

QPainterPath menu() {
    return united({rect(1, 2, 10, 2), rect(1, 5, 10, 2), rect(1, 8, 10, 2)});
}

// Mini tool bar icons are drawn a little lighter: thinner outlines.
QPainterPath outlineRect(qreal x, qreal y, qreal w, qreal h, qreal pen) {
    QPainterPath path;
    path.addRect(x + pen / 2, y + pen / 2, w - pen, h - pen);
    return stroked(path, pen);
}

}  // namespace

QPainterPath symbolPath(int row) {
    switch (row) {
        case 0:
            return repeat();
        case 1:
            return shuffle();
        case 2:
            return previous();
        case 3:
            return play();
        case 4:
            return pause();
        case 5:
            return stop();
        case 6:
            return next();
        case 7:
            return folder();
        case 8:
            return addToList();
        case 9:
            return removeCross();
        case 10:
            return expandCollapse();
        case 11:
            return moveUp();
        case 12:
            return moveDown();
        case 13:
            return search();
        case 14:
            return eject();
        case 15:
            return menu();
        default:
            return {};
    }
}

QPainterPath stripIconPath(StripIcon icon) {
    switch (icon) {
        case StripIcon::Previous:
            return previous();
        case StripIcon::Play:
            return play();
        case StripIcon::Pause:
            return pause();
        case StripIcon::Stop:
            return stop();
        case StripIcon::Next:
            return next();
        case StripIcon::ViewNormal:
            // Library and play list side by side.
            return united({outlineRect(0.5, 1.5, 11, 9, 1.2), rect(5.4, 2, 1.2, 8)});
        case StripIcon::ViewPlaylist:
            return united({rect(1, 2, 10, 1.5), rect(1, 5.25, 10, 1.5), rect(1, 8.5, 10, 1.5)});
        case StripIcon::ViewPlayer:
            return united(
                {outlineRect(0.5, 1.5, 11, 9, 1.2), triangle({4.5, 3.5}, {8.5, 6}, {4.5, 8.5})});
        case StripIcon::ViewBar:
            return united({outlineRect(0.5, 4, 11, 4, 1.2)});
        case StripIcon::ViewParty: {
            // A five-pointed star.
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal angle = -M_PI / 2 + i * M_PI / 5;
                const qreal radius = (i % 2 == 0) ? 6.0 : 2.6;
                star << QPointF(6 + radius * std::cos(angle), 6.5 + radius * std::sin(angle));
            }
            QPainterPath path;
            path.addPolygon(star);
            path.closeSubpath();
            return path;
        }
        case StripIcon::Tray:
            return united({triangle({2.5, 3.5}, {9.5, 3.5}, {6, 7.5}), rect(5, 0.5, 2, 3.5),
                           rect(1, 9.5, 10, 1.5)});
        case StripIcon::Minimise:
            return rect(2, 8.5, 8, 2);
        case StripIcon::Maximise:
            return united({outlineRect(1.5, 1.5, 9, 9, 1.2), rect(1.5, 1.5, 9, 2.2)});
        case StripIcon::Restore:
            return united({outlineRect(3.5, 0.5, 8, 7, 1.1), outlineRect(0.5, 4, 8, 7.5, 1.2),
                           rect(0.5, 4, 8, 2)});
        case StripIcon::Close:
            return removeCross();
    }
    return {};
}

QPainterPath speakerPath() {
    QPainterPath body;
    body.moveTo(0.5, 4);
    body.lineTo(3, 4);
    body.lineTo(6.5, 1);
    body.lineTo(6.5, 11);
    body.lineTo(3, 8);
    body.lineTo(0.5, 8);
    body.closeSubpath();
    QPainterPath wave1;
    wave1.arcMoveTo(QRectF(4.5, 3.5, 5, 5), -50);
    wave1.arcTo(QRectF(4.5, 3.5, 5, 5), -50, 100);
    QPainterPath wave2;
    wave2.arcMoveTo(QRectF(3.5, 0.5, 9, 11), -55);
    wave2.arcTo(QRectF(3.5, 0.5, 9, 11), -55, 110);
    return united({body, stroked(wave1, 1.2, Qt::RoundCap), stroked(wave2, 1.2, Qt::RoundCap)});
}

}  // namespace sonara::skingen
