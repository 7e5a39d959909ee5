#include "panel/anchorlayout.h"

#include <QWidget>

C4SAnchorLayout::C4SAnchorLayout(QWidget* hostWidget)
    : host(hostWidget)
    , referenceRect(0, 0, hostWidget->width(), hostWidget->height())
{
}

C4SAnchorLayout::~C4SAnchorLayout() = default;

void C4SAnchorLayout::anchorWidget(int left, int top, int right, int bottom, QWidget* widget)
{
    const QRect geometry = widget->geometry();
    items.append(AnchorItem {geometry, top, left, right, bottom, geometry.right(), geometry.left(), geometry.top(),
                             geometry.bottom(), widget});
}

void C4SAnchorLayout::relayout()
{
    const int width = host->width();
    const int height = host->height();
    const int referenceWidth = referenceRect.width();
    const int referenceHeight = referenceRect.height();
    const int dx = width - referenceWidth;
    const int dy = height - referenceHeight;
    for (const AnchorItem& item : qAsConst(items)) {
        QRect geometry = item.widget->geometry();
        if (item.leftMode == AnchorScale) {
            QRect design;
            design.setCoords(item.designLeft, item.designTop, item.designRight, item.designBottom);
            geometry = scaleDesignRect(design, width, height, referenceWidth, referenceHeight);
        } else {
            const auto edge = [](int mode, int base, int delta, int current) {
                return mode == AnchorNear ? base : mode == AnchorFar ? base + delta : current;
            };
            geometry.setLeft(edge(item.leftMode, item.baseRect.left(), dx, geometry.left()));
            geometry.setRight(edge(item.rightMode, item.baseRect.right(), dx, geometry.right()));
            geometry.setTop(edge(item.topMode, item.baseRect.top(), dy, geometry.top()));
            geometry.setBottom(edge(item.bottomMode, item.baseRect.bottom(), dy, geometry.bottom()));
        }
        item.widget->setGeometry(geometry);
    }
}

void C4SAnchorLayout::rebase()
{
    for (AnchorItem& item : items) {
        item.baseRect = item.widget->geometry();
    }
    referenceRect = QRect(0, 0, host->width(), host->height());
    relayout();
}
