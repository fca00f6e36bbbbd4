#include "app/zonemap.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

const QColor OutsideColour(172, 180, 188);
const QColor SeaColour(196, 218, 236);
const QColor OutlineColour(80, 80, 80);
const QColor TextColour(30, 30, 30);
const QColor DayColour(236, 140, 30);
const QColor NightColour(20, 40, 150);
const QColor LegendColour(255, 255, 255, 225);

constexpr int InformationZone = 2;
// The part of the view the fitted zones take.
constexpr double FitShare = 0.94;
constexpr double ZoomStep = 1.25;
// How far the wheel zooms out and in from the fitted view.
constexpr double LeastZoom = 0.25;
constexpr double MostZoom = 64;
constexpr qreal NamePadding = 3;
constexpr int LegendMargin = 8;

QColor islandColour(int level)
{
    switch (level) {
    case 1:
        return QColor(238, 226, 204);
    case 2:
        return QColor(222, 236, 206);
    case 3:
        return QColor(234, 222, 238);
    default:
        return QColor(232, 232, 232);
    }
}

QRectF worldRect(const ZoneBox &box)
{
    return QRectF(QPointF(box.minX, box.minY), QPointF(box.maxX, box.maxY));
}

// What the view fits: the zones but CITYZON, else CITYZON; never thinner
// than one unit.
QRectF fittedBounds(const GameZones &zones)
{
    QRectF bounds;
    for (qsizetype index = 1; index < zones.size(); ++index)
        bounds = bounds.united(worldRect(zones[index].box));
    if (bounds.isEmpty() && !zones.isEmpty())
        bounds = worldRect(zones.first().box);
    const QPointF centre = bounds.center();
    bounds.setWidth(std::max(bounds.width(), 1.0));
    bounds.setHeight(std::max(bounds.height(), 1.0));
    bounds.moveCenter(centre);
    return bounds;
}

bool fitsIn(const QSizeF &size, const QRectF &rect)
{
    return size.width() + 2 * NamePadding <= rect.width()
            && size.height() + NamePadding <= rect.height();
}

// The places a name may take in its box, the middle first, then along the edges.
QList<QRectF> namePlaces(const QSizeF &size, const QRectF &box)
{
    const QRectF inner = box.adjusted(NamePadding, NamePadding / 2, -NamePadding, -NamePadding / 2);
    const qreal left = inner.left();
    const qreal right = inner.right() - size.width();
    const qreal middle = inner.center().x() - size.width() / 2;
    const qreal top = inner.top();
    const qreal bottom = inner.bottom() - size.height();
    const qreal centre = inner.center().y() - size.height() / 2;
    QList<QRectF> places;
    for (const QPointF corner : {QPointF(middle, centre), QPointF(middle, top),
                 QPointF(middle, bottom), QPointF(left, top), QPointF(right, top),
                 QPointF(left, bottom), QPointF(right, bottom)})
        places.append(QRectF(corner, size));
    return places;
}

} // namespace

ZoneMap::ZoneMap(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
}

QString ZoneMap::noDocumentText()
{
    return tr("Load a game's pedgrp.dat to see its zones.");
}

QString ZoneMap::noZonesText()
{
    return tr("Varnel reads the zones from data/gta3.zon and data/main.scm in the game folder; "
              "they were not found there.");
}

void ZoneMap::showNoDocument()
{
    showMessage(noDocumentText());
}

void ZoneMap::showReading()
{
    showMessage(QString());
}

void ZoneMap::showMessage(const QString &text)
{
    m_message = text;
    m_zones.clear();
    m_paintOrder.clear();
    m_names.clear();
    update();
}

void ZoneMap::showZones(const GameZones &zones)
{
    m_message = zones.isEmpty() ? noZonesText() : QString();
    m_zones = zones;
    m_paintOrder.clear();
    for (int index = 1; index < m_zones.size(); ++index)
        m_paintOrder.append(index);
    std::stable_sort(m_paintOrder.begin(), m_paintOrder.end(), [this](int a, int b) {
        return m_zones[a].box.groundArea() > m_zones[b].box.groundArea();
    });
    layOutNames();
    fitToZones();
}

void ZoneMap::setGroupAreas(const QStringList &areaOfGroup)
{
    m_areaOfGroup = areaOfGroup;
}

void ZoneMap::setShownGroup(int group)
{
    if (m_group == group)
        return;
    m_group = group;
    update();
}

double ZoneMap::fittedScale() const
{
    const QRectF bounds = fittedBounds(m_zones);
    return FitShare
            * std::min(
                    std::max(width(), 1) / bounds.width(), std::max(height(), 1) / bounds.height());
}

void ZoneMap::fitToZones()
{
    m_fitted = true;
    m_centre = fittedBounds(m_zones).center();
    m_scale = fittedScale();
    update();
}

void ZoneMap::layOutNames()
{
    const QFontMetricsF metrics(font());
    m_names.clear();
    for (const GameZone &zone : std::as_const(m_zones)) {
        NameLayout name;
        name.oneLine = QSizeF(metrics.horizontalAdvance(zone.name), metrics.height());
        const QStringList words = zone.name.split(u' ', Qt::SkipEmptyParts);
        if (words.size() > 1) {
            qreal widest = 0;
            for (const QString &word : words)
                widest = std::max(widest, metrics.horizontalAdvance(word));
            name.wrapped = words.join(u'\n');
            name.wrappedSize
                    = QSizeF(widest, metrics.height() + metrics.lineSpacing() * (words.size() - 1));
        }
        m_names.append(name);
    }
}

// North up: the game's y grows to the north, the view's downwards.
QPointF ZoneMap::toView(QPointF world) const
{
    return QPointF(width() / 2.0 + (world.x() - m_centre.x()) * m_scale,
            height() / 2.0 - (world.y() - m_centre.y()) * m_scale);
}

QPointF ZoneMap::toWorld(QPointF view) const
{
    return QPointF(m_centre.x() + (view.x() - width() / 2.0) / m_scale,
            m_centre.y() - (view.y() - height() / 2.0) / m_scale);
}

// Cut to a little more than the view: far-off corners stay out of the painter's way.
QRectF ZoneMap::viewRect(const ZoneBox &box) const
{
    const QRectF view(toView(QPointF(box.minX, box.maxY)), toView(QPointF(box.maxX, box.minY)));
    return view.intersected(QRectF(rect()).adjusted(-8, -8, 8, 8));
}

// As the game picks a point's zone: the smallest box that holds it, else CITYZON.
int ZoneMap::zoneAt(QPointF view) const
{
    const QPointF world = toWorld(view);
    int found = -1;
    for (const int index : m_paintOrder) {
        if (m_zones[index].box.holdsPoint(world.x(), world.y()))
            found = index;
    }
    if (found < 0 && !m_zones.isEmpty() && m_zones.first().box.holdsPoint(world.x(), world.y()))
        found = 0;
    return found;
}

QString ZoneMap::groupText(const std::optional<int> &group) const
{
    if (!group)
        return tr("set while the game runs");
    if (*group >= 0 && *group < m_areaOfGroup.size())
        return tr("group %1, %2").arg(*group).arg(m_areaOfGroup[*group]);
    return tr("group %1, which this file does not give").arg(*group);
}

QString ZoneMap::zoneToolTip(const GameZone &zone) const
{
    return tr("%1 (%2)").arg(zone.name, zone.label) + u'\n'
            + tr("By day: %1").arg(groupText(zone.dayGroup)) + u'\n'
            + tr("By night: %1").arg(groupText(zone.nightGroup));
}

bool ZoneMap::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int index = zoneAt(help->pos());
    if (index < 0) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), zoneToolTip(m_zones[index]), this);
    }
    return true;
}

void ZoneMap::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        layOutNames();
    QWidget::changeEvent(event);
}

void ZoneMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), OutsideColour);
    if (m_zones.isEmpty()) {
        paintMessage(painter);
        return;
    }
    const QRectF city = viewRect(m_zones.first().box);
    painter.fillRect(city, SeaColour);
    paintWalk(painter, city, m_zones.first());
    QList<QRectF> rects;
    rects.reserve(m_paintOrder.size());
    for (const int index : std::as_const(m_paintOrder))
        rects.append(viewRect(m_zones[index].box));
    for (int order = 0; order < m_paintOrder.size(); ++order) {
        if (rects[order].isEmpty())
            continue;
        paintZone(painter, m_paintOrder[order], rects[order]);
        paintName(painter, order, rects);
    }
    paintLegend(painter);
}

void ZoneMap::paintMessage(QPainter &painter)
{
    painter.setPen(TextColour);
    painter.drawText(
            rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap, m_message);
}

void ZoneMap::paintZone(QPainter &painter, int index, const QRectF &rect)
{
    const GameZone &zone = m_zones[index];
    painter.fillRect(rect, islandColour(zone.level));
    paintWalk(painter, rect, zone);
    painter.setPen(
            QPen(OutlineColour, 1, zone.type == InformationZone ? Qt::DashLine : Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}

void ZoneMap::paintWalk(QPainter &painter, const QRectF &rect, const GameZone &zone)
{
    if (m_group < 0)
        return;
    if (zone.dayGroup == m_group)
        painter.fillRect(rect, DayColour);
    if (zone.nightGroup == m_group)
        painter.fillRect(rect, QBrush(NightColour, Qt::BDiagPattern));
}

// Where the name fits in its box and no smaller zone, painted later, lies
// over it: on one line, else a word per line.
void ZoneMap::paintName(QPainter &painter, int order, const QList<QRectF> &rects)
{
    const int index = m_paintOrder[order];
    const NameLayout &layout = m_names[index];
    const std::pair<QSizeF, QString> forms[]
            = {{layout.oneLine, m_zones[index].name}, {layout.wrappedSize, layout.wrapped}};
    auto isFree = [&](const QRectF &place) {
        for (int above = order + 1; above < rects.size(); ++above) {
            if (rects[above].intersects(place))
                return false;
        }
        return true;
    };
    for (const auto &[size, text] : forms) {
        if (text.isEmpty() || !fitsIn(size, rects[order]))
            continue;
        for (const QRectF &place : namePlaces(size, rects[order])) {
            if (isFree(place)) {
                painter.setPen(TextColour);
                painter.drawText(place, Qt::AlignCenter, text);
                return;
            }
        }
    }
}

// A solid and a hatched swatch in the bottom left corner.
void ZoneMap::paintLegend(QPainter &painter)
{
    const QFontMetrics metrics(font());
    const QString texts[] = {tr("by day"), tr("by night")};
    const int swatch = metrics.height();
    const int textWidth
            = std::max(metrics.horizontalAdvance(texts[0]), metrics.horizontalAdvance(texts[1]));
    const int rowHeight = swatch + 4;
    const QRect legend(LegendMargin, height() - LegendMargin - 2 * rowHeight - 8,
            swatch + textWidth + 20, 2 * rowHeight + 8);
    painter.setPen(OutlineColour);
    painter.setBrush(LegendColour);
    painter.drawRect(legend);
    for (int row = 0; row < 2; ++row) {
        const QRect sample(legend.left() + 6, legend.top() + 6 + row * rowHeight, swatch, swatch);
        painter.fillRect(sample, islandColour(0));
        painter.fillRect(
                sample, row == 0 ? QBrush(DayColour) : QBrush(NightColour, Qt::BDiagPattern));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sample);
        painter.setPen(TextColour);
        painter.drawText(QRect(sample.right() + 6, sample.top(), textWidth + 4, swatch),
                Qt::AlignLeft | Qt::AlignVCenter, texts[row]);
        painter.setPen(OutlineColour);
    }
}

void ZoneMap::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fitted)
        fitToZones();
}

// The world point under the pointer stays where it is.
void ZoneMap::wheelEvent(QWheelEvent *event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (m_zones.isEmpty() || steps == 0)
        return;
    const QPointF pointer = event->position();
    const QPointF world = toWorld(pointer);
    const double fitted = fittedScale();
    m_scale = std::clamp(
            m_scale * std::pow(ZoomStep, steps), fitted * LeastZoom, fitted * MostZoom);
    m_centre = QPointF(world.x() - (pointer.x() - width() / 2.0) / m_scale,
            world.y() + (pointer.y() - height() / 2.0) / m_scale);
    m_fitted = false;
    update();
    event->accept();
}

void ZoneMap::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = true;
    m_dragging = false;
    m_pressedAt = event->position();
    m_centreAtPress = m_centre;
}

void ZoneMap::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return QWidget::mouseMoveEvent(event);
    const QPointF moved = event->position() - m_pressedAt;
    if (!m_dragging && moved.manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_dragging) {
        m_dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }
    m_centre = QPointF(
            m_centreAtPress.x() - moved.x() / m_scale, m_centreAtPress.y() + moved.y() / m_scale);
    m_fitted = false;
    update();
}

// A click that did not drag chooses the zone's group.
void ZoneMap::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        unsetCursor();
        return;
    }
    const int index = zoneAt(event->position());
    if (index < 0)
        return;
    const GameZone &zone = m_zones[index];
    const std::optional<int> group
            = event->modifiers() & Qt::ShiftModifier ? zone.nightGroup : zone.dayGroup;
    if (group)
        emit groupChosen(*group);
}

void ZoneMap::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier)
        fitToZones();
    else
        QWidget::keyPressEvent(event);
}
