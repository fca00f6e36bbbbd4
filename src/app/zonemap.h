#pragma once

#include "gamereading/gamezones.h"

#include <QPointF>
#include <QStringList>
#include <QWidget>

// A top view of the game's zones, north up, fitted to the zones other than
// CITYZON. Larger boxes lie under smaller ones, as the game takes the group at
// a point from the smallest zone there; each is outlined and named where the
// name fits. The zones where the shown group walks are filled: by day solid,
// by night hatched. The wheel zooms at the pointer, dragging pans, Home fits.
class ZoneMap : public QWidget
{
    Q_OBJECT

public:
    explicit ZoneMap(QWidget *parent = nullptr);

    // No document is open: the map says how to get one.
    void showNoDocument();
    // The zones of the open document are being read: the map is empty.
    void showReading();
    // The zones of the open document; without any the map says where they are read from.
    void showZones(const GameZones &zones);
    // The area that gives each group, by group number, for the tooltips.
    void setGroupAreas(const QStringList &areaOfGroup);
    // The group whose zones are filled; -1 for none.
    void setShownGroup(int group);
    // Fits the view to the zones.
    void fitToZones();

    // The texts the map shows in the place of zones.
    static QString noDocumentText();
    static QString noZonesText();

signals:
    // A click chose the zone's group by day, a Shift+click its group by night.
    void groupChosen(int group);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // How a zone's name is laid out: on one line, or a word per line.
    struct NameLayout
    {
        QSizeF oneLine;
        QString wrapped;
        QSizeF wrappedSize;
    };

    double fittedScale() const;
    QPointF toView(QPointF world) const;
    QPointF toWorld(QPointF view) const;
    QRectF viewRect(const ZoneBox &box) const;
    int zoneAt(QPointF view) const;
    QString zoneToolTip(const GameZone &zone) const;
    QString groupText(const std::optional<int> &group) const;
    void layOutNames();
    void showMessage(const QString &text);
    void paintMessage(QPainter &painter);
    void paintZone(QPainter &painter, int index, const QRectF &rect);
    void paintWalk(QPainter &painter, const QRectF &rect, const GameZone &zone);
    void paintName(QPainter &painter, int order, const QList<QRectF> &rects);
    void paintLegend(QPainter &painter);

    // What the map says in the place of zones.
    QString m_message;
    GameZones m_zones;
    // The zones but CITYZON, larger before smaller.
    QList<int> m_paintOrder;
    QList<NameLayout> m_names;
    QStringList m_areaOfGroup;
    int m_group = -1;

    // The world point at the middle of the view and the pixels per world unit.
    QPointF m_centre;
    double m_scale = 1;
    // Whether the view is fitted, so that it fits again when resized.
    bool m_fitted = true;
    QPointF m_pressedAt;
    QPointF m_centreAtPress;
    bool m_dragging = false;
    bool m_pressed = false;
};
