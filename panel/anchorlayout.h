#ifndef ZAREL_ANCHORLAYOUT_H
#define ZAREL_ANCHORLAYOUT_H

#include <QRect>
#include <QVector>

class QWidget;

enum AnchorMode {
    AnchorNear = 1, // the edge keeps its distance to the host's left or top side
    AnchorFar = 2, // the edge keeps its distance to the host's right or bottom side
    AnchorScale = 3, // on the left mode: all four edges scale with the host
};

// Scales an inclusive design rectangle by W/RW and H/RH, truncating each
// coordinate toward zero. Right and bottom are scaled as coordinates, not as
// extents, so the width is trunc(right*rx) - trunc(left*rx) + 1.
QRect scaleDesignRect(const QRect& design, int width, int height, int referenceWidth, int referenceHeight);

// Base caption pixel size for a window width: trunc(W / 140) + 5, in 16 bits.
short baseTextSize(int windowWidth);

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
