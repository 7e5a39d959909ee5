#include "forms/formhelpers.h"

#include <QFont>
#include <QFrame>
#include <QLabel>

QFont pointFont(int points, bool bold)
{
    QFont font;
    font.setPointSize(points);
    if (bold) {
        font.setBold(true);
        font.setWeight(75);
    }
    return font;
}

QFrame* makeFrame(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QString numbered(const char* stem, int n)
{
    return QString::fromLatin1(stem) + QString::number(n);
}
