#ifndef ZAREL_ANCHORLAYOUT_H
#define ZAREL_ANCHORLAYOUT_H

#include <QRect>
#include <QVector>

#include "panel/scalemath.h"

class QWidget;

enum AnchorMode {
    AnchorNear = 1, // the edge keeps its distance to the host's left or top side
    AnchorFar = 2, // the edge keeps its distance to the host's right or bottom side
    AnchorScale = 3, // on the left mode: all four edges scale with the host
};

// Proportional layout of absolutely placed widgets: remembers each widget's
// design rectangle and re-places it whenever the host changes size.
class C4SAnchorLayout
{
public:
    explicit C4SAnchorLayout(QWidget* host);
    virtual ~C4SAnchorLayout();

    void anchorWidget(int left, int top, int right, int bottom, QWidget* widget);
    void relayout();
    void rebase();

    int count() const { return items.size(); }
    QRect referenceRectangle() const { return referenceRect; }

private:
    struct AnchorItem
    {
        QRect baseRect;
        int topMode;
        int leftMode;
        int rightMode;
        int bottomMode;
        int designRight;
        int designLeft;
        int designTop;
        int designBottom;
        QWidget* widget;
    };

    QVector<AnchorItem> items;
    QWidget* host;
    QRect referenceRect;
};

#endif // ZAREL_ANCHORLAYOUT_H
