#include "panel/compassrose.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "connection/rotators.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
// Between the rose and the widget's edge: room for the focus mark.
constexpr double Margin = 5;

const QColor headingColour(255, 160, 47); // the theme's orange
const QColor targetColour(110, 190, 255);

// 0 up to 360.
double normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : (d >= 360.0 ? 0.0 : d);
}

// A point at `bearing` (clockwise from north, which is up) `radius` away
// from `centre`.
QPointF at(const QPointF& centre, double bearing, double radius)
{
    const double a = bearing * Pi / 180.0;
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// A dial to screen readers: its value is the chosen bearing, and its
// description says the heading, the target and the choice, read when
// asked for rather than posted on every degree of a turn.
class CompassAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CompassAccessible(CompassRose* rose)
        : QAccessibleWidget(rose, QAccessible::Dial)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Description:
            return rose()->valueText();
        case QAccessible::Value:
            return headingText(rose()->chosen());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QVariant currentValue() const override { return std::round(rose()->chosen()); }
    void setCurrentValue(const QVariant& value) override { rose()->setChosen(value.toDouble()); }
    QVariant maximumValue() const override { return 359; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    CompassRose* rose() const { return static_cast<CompassRose*>(widget()); }
};

QAccessibleInterface* compassFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className)
    if (auto* rose = qobject_cast<CompassRose*>(object)) {
        return new CompassAccessible(rose);
    }
    return nullptr;
}

} // namespace

CompassRose::CompassRose(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(compassFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setRotatorName(QString());
}

void CompassRose::setRotatorName(const QString& name)
{
    rotatorName = name;
    const QString accessible = name.isEmpty() ? tr("Compass") : tr("%1 compass").arg(name);
    if (accessibleName() != accessible) {
        setAccessibleName(accessible);
    }
}

void CompassRose::setHeading(std::optional<double> degrees)
{
    if (degrees) {
        degrees = normalised(*degrees);
    }
    if (degrees != headingShown) {
        headingShown = degrees;
        update();
    }
}

void CompassRose::setTarget(std::optional<double> degrees)
{
    if (degrees) {
        degrees = normalised(*degrees);
    }
    if (degrees != targetShown) {
        targetShown = degrees;
        update();
    }
}

double CompassRose::chosen() const
{
    if (chosenBearing) {
        return *chosenBearing;
    }
    return headingShown ? normalised(std::round(*headingShown)) : 0.0;
}

void CompassRose::setChosen(double degrees)
{
    if (!std::isfinite(degrees)) {
        return;
    }
    const double d = normalised(degrees);
    if (chosenBearing == d) {
        return;
    }
    chosenBearing = d;
    chosenMoved();
}

void CompassRose::clearChosen()
{
    if (chosenBearing) {
        chosenBearing.reset();
        update();
    }
}

void CompassRose::chosenMoved()
{
    update();
    QAccessibleValueChangeEvent event(this, std::round(chosen()));
    QAccessible::updateAccessibility(&event);
    Q_EMIT chosenChanged(chosen());
}

void CompassRose::stepChosen(int degrees)
{
    setChosen(std::round(chosen()) + degrees);
}

QString CompassRose::valueText() const
{
    QStringList parts;
    parts << (headingShown ? tr("heading %1").arg(headingText(*headingShown)) : tr("heading not known"));
    if (targetShown) {
        parts << tr("turning to %1").arg(headingText(*targetShown));
    }
    if (chosenBearing) {
        parts << tr("chosen %1").arg(headingText(*chosenBearing));
    }
    return parts.join(QStringLiteral(", "));
}

QSize CompassRose::sizeHint() const
{
    return {180, 180};
}

QSize CompassRose::minimumSizeHint() const
{
    return {110, 110};
}

QRectF CompassRose::roseSquare() const
{
    const double side = std::max(0.0, std::min(width(), height()) - 2 * Margin);
    QRectF square(0, 0, side, side);
    square.moveCenter(QRectF(rect()).center());
    return square;
}

void CompassRose::resizeEvent(QResizeEvent* event)
{
    rose = QPixmap();
    QWidget::resizeEvent(event);
}

void CompassRose::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange) {
        rose = QPixmap();
    }
    QWidget::changeEvent(event);
}

void CompassRose::drawRose()
{
    const qreal ratio = devicePixelRatioF();
    rose = QPixmap(size() * ratio);
    rose.setDevicePixelRatio(ratio);
    rose.fill(Qt::transparent);
    QPainter p(&rose);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF square = roseSquare();
    const QPointF centre = square.center();
    const double radius = square.width() / 2;
    if (radius < 10) {
        return;
    }
    const QColor ink = palette().color(QPalette::WindowText);
    QColor faint = ink;
    faint.setAlphaF(0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(faint.darker(300));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 0.75, radius - 0.75);
    for (int bearing = 0; bearing < 360; bearing += 30) {
        const bool cardinal = bearing % 90 == 0;
        p.setPen(QPen(ink, cardinal ? 2.0 : 1.0));
        p.drawLine(at(centre, bearing, radius), at(centre, bearing, radius * (cardinal ? 0.86 : 0.92)));
    }
    QFont letters = font();
    letters.setBold(true);
    letters.setPixelSize(std::max(9, int(radius * 0.17)));
    p.setFont(letters);
    p.setPen(ink);
    const QString names[] = {tr("N", "north"), tr("E", "east"), tr("S", "south"), tr("W", "west")};
    for (int i = 0; i < 4; ++i) {
        const QPointF middle = at(centre, i * 90, radius * 0.70);
        const double box = radius * 0.4;
        p.drawText(QRectF(middle.x() - box / 2, middle.y() - box / 2, box, box), Qt::AlignCenter, names[i]);
    }
}

void CompassRose::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    if (rose.isNull()) {
        drawRose();
    }
    QPainter p(this);
    p.drawPixmap(0, 0, rose);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF square = roseSquare();
    const QPointF centre = square.center();
    const double radius = square.width() / 2;
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
    // Marks beside an unknown heading would read as where the antenna is.
    if (!headingShown || radius < 10) {
        return;
    }
    if (chosenBearing) {
        QPen dashed(palette().color(QPalette::WindowText), 1.5, Qt::DashLine);
        p.setPen(dashed);
        p.drawLine(centre, at(centre, *chosenBearing, radius * 0.97));
    }
    if (targetShown) {
        // A wedge on the rim pointing in: a shape of its own, not only a colour.
        const double size = std::max(5.0, radius * 0.12);
        QPainterPath wedge;
        wedge.moveTo(at(centre, *targetShown, radius - size * 1.4));
        wedge.lineTo(at(centre, *targetShown - 8, radius + 1));
        wedge.lineTo(at(centre, *targetShown + 8, radius + 1));
        wedge.closeSubpath();
        p.setPen(QPen(targetColour.darker(150), 1));
        p.setBrush(targetColour);
        p.drawPath(wedge);
    }
    p.setPen(QPen(headingColour, std::max(2.5, radius * 0.04), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(centre, *headingShown + 180, radius * 0.15), at(centre, *headingShown, radius * 0.82));
    p.setPen(Qt::NoPen);
    p.setBrush(headingColour);
    p.drawEllipse(centre, radius * 0.05 + 1, radius * 0.05 + 1);
}

void CompassRose::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF offset = QPointF(event->pos()) - roseSquare().center();
    if (offset.manhattanLength() < 2) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setChosen(std::round(std::atan2(offset.x(), -offset.y()) * 180.0 / Pi));
}

void CompassRose::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int step = shift ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        stepChosen(step);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        stepChosen(-step);
        break;
    case Qt::Key_PageUp:
        stepChosen(10);
        break;
    case Qt::Key_PageDown:
        stepChosen(-10);
        break;
    case Qt::Key_Home:
        setChosen(0.0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT turnWanted(chosen());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CompassRose::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void CompassRose::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
