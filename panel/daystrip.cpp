#include "panel/daystrip.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDateTime>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 quarterMs = 15 * 60 * 1000;
constexpr qint64 hourMs = 60 * 60 * 1000;
// The transmissions' lane above the twelve antennas.
constexpr int lanes = journalday::antennas + 1;
constexpr int maxLabelWidth = 160;

// Read on the theme's #323232: bars 5.6:1, marks and the band 4.5:1 or more.
const QColor barColour(79, 163, 224);
const QColor transmitColour(236, 72, 72);
const QColor waitedColour(255, 191, 0);
const QColor failedColour(255, 84, 84);
const QColor cursorColour(255, 160, 47); // the theme's orange
const QColor gridColour(80, 80, 80);
const QColor laneShade(58, 58, 58);

QString clockText(qint64 at)
{
    return QDateTime::fromMSecsSinceEpoch(at, Qt::UTC).toString(QStringLiteral("HH:mm"));
}

// A slider to screen readers, named with the cursor's time and what was on
// then (read again as the cursor moves); the description is the whole day in
// words. No numeric value: "616" says nothing to the operator.
class DayStripAccessible : public QAccessibleWidget
{
public:
    explicit DayStripAccessible(DayStrip* strip)
        : QAccessibleWidget(strip, QAccessible::Slider)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return DayStrip::tr("%1, %2").arg(strip()->accessibleName(), strip()->cursorText());
        case QAccessible::Description:
            return strip()->summary();
        case QAccessible::Value:
            return strip()->cursorText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

private:
    DayStrip* strip() const { return static_cast<DayStrip*>(widget()); }
};

QAccessibleInterface* stripFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className)
    if (auto* strip = qobject_cast<DayStrip*>(object)) {
        return new DayStripAccessible(strip);
    }
    return nullptr;
}

} // namespace

DayStrip::DayStrip(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(stripFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(tr("Day picture"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPicture(journalday::picture({}, 0, journalday::dayMs, JournalEvent::noAntenna, 0));
}

void DayStrip::setPicture(const journalday::Picture& picture)
{
    const bool otherDay = picture.start != day.start;
    day = picture;
    chooseView();
    if (otherDay || cursorAt < viewFrom || cursorAt >= viewTo) {
        // Today's cursor starts at now, another day's at its beginning.
        cursorAt = day.limit < day.end ? std::clamp(day.limit - 1, viewFrom, viewTo - 1) : viewFrom;
    }
    update();
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void DayStrip::setWholeDay(bool whole)
{
    wholeDay = whole;
    chooseView();
    setCursorTime(cursorAt);
    update();
}

void DayStrip::chooseView()
{
    viewFrom = day.start;
    viewTo = std::max(day.end, day.start + 1);
    if (wholeDay) {
        return;
    }
    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = std::numeric_limits<qint64>::min();
    const auto take = [&first, &last](qint64 from, qint64 to) {
        first = std::min(first, from);
        last = std::max(last, to);
    };
    for (const QVector<journalday::Span>& spans : day.inUse) {
        for (const journalday::Span& span : spans) {
            take(span.from, span.to);
        }
    }
    for (const journalday::Span& spell : day.transmits) {
        take(spell.from, spell.to);
    }
    for (const journalday::Mark& mark : day.marks) {
        take(mark.at, mark.at + 1);
    }
    if (first > last) {
        return;
    }
    // Whole hours, or five minutes for a short session; a quarter at least.
    const qint64 grain = last - first > 2 * hourMs ? hourMs : 5 * 60000;
    viewFrom = std::max(day.start, day.start + (first - day.start) / grain * grain);
    viewTo = std::min(day.end, viewFrom + std::max<qint64>(quarterMs, (last - viewFrom + grain - 1) / grain * grain));
}

void DayStrip::setCaptions(const QStringList& list)
{
    captions = list;
    updateGeometry();
    update();
}

QString DayStrip::laneName(int antenna) const
{
    const QString caption = antenna < captions.size() ? captions.at(antenna).simplified() : QString();
    return caption.isEmpty() ? tr("Ant %1").arg(antenna + 1) : caption;
}

void DayStrip::setCursorTime(qint64 at)
{
    at = std::clamp(at, viewFrom, viewTo - 1);
    if (at == cursorAt) {
        return;
    }
    cursorAt = at;
    update();
    QAccessibleEvent moved(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&moved);
    Q_EMIT cursorMoved(cursorText());
}

QString DayStrip::durationText(qint64 ms)
{
    const qint64 minutes = ms / 60000;
    if (minutes == 0) {
        return tr("under a minute");
    }
    if (minutes < 60) {
        return tr("%1 min").arg(minutes);
    }
    return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString DayStrip::summary() const
{
    const QString date = QDateTime::fromMSecsSinceEpoch(day.start, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd"));
    QStringList parts;
    parts << (day.limit < day.end ? tr("%1 UTC until %2").arg(date, clockText(day.limit)) : tr("%1 UTC").arg(date));
    QStringList used;
    for (int antenna = 0; antenna < journalday::antennas; ++antenna) {
        const qint64 ms = day.inUseMs(antenna);
        if (ms > 0) {
            used << tr("%1: %2").arg(laneName(antenna), durationText(ms));
        }
    }
    parts << (used.isEmpty() ? tr("No antenna in use") : tr("In use: %1").arg(used.join(QStringLiteral("; "))));
    parts << tr("Transmissions: %1").arg(day.transmits.size());
    parts << tr("Switches waited: %1").arg(day.waited);
    parts << tr("Switches failed: %1").arg(day.failed);
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString DayStrip::cursorText() const
{
    QStringList parts {tr("%1 UTC").arg(clockText(cursorAt))};
    if (cursorAt >= day.limit) {
        return parts.front();
    }
    int antenna = -1;
    for (int a = 0; a < journalday::antennas && antenna < 0; ++a) {
        for (const journalday::Span& span : day.inUse[std::size_t(a)]) {
            if (cursorAt >= span.from && cursorAt < span.to) {
                antenna = a;
                break;
            }
        }
    }
    parts << (antenna >= 0 ? tr("%1 in use").arg(laneName(antenna)) : tr("no antenna in use"));
    for (const journalday::Span& spell : day.transmits) {
        if (cursorAt >= spell.from && cursorAt < spell.to) {
            parts << tr("transmitting");
            break;
        }
    }
    return parts.join(QStringLiteral(", "));
}

int DayStrip::naturalLaneHeight() const
{
    return fontMetrics().height() + 4;
}

DayStrip::Geometry DayStrip::geometry() const
{
    Geometry g;
    const QFontMetrics fm = fontMetrics();
    int widest = fm.horizontalAdvance(tr("Transmit"));
    for (int antenna = 0; antenna < journalday::antennas; ++antenna) {
        widest = std::max(widest, fm.horizontalAdvance(laneName(antenna)));
    }
    g.labelWidth = std::min(widest, maxLabelWidth) + 10;
    g.axisHeight = fm.height() + 8;
    // The lanes share the height given, small screens included.
    g.laneHeight = std::max(6, (height() - g.axisHeight - 2) / lanes);
    // Room for the last time on the axis, "24" or "22:35".
    const int right = fm.horizontalAdvance(QStringLiteral("00:00")) / 2 + 4;
    g.plot = QRect(g.labelWidth, g.axisHeight, std::max(1, width() - g.labelWidth - right), g.laneHeight * lanes);
    return g;
}

int DayStrip::xOf(const Geometry& g, qint64 at) const
{
    const double length = double(std::max<qint64>(1, viewTo - viewFrom));
    return g.plot.left() +
        int(std::lround(double(std::clamp(at, viewFrom, viewTo) - viewFrom) * g.plot.width() / length));
}

qint64 DayStrip::timeAt(const Geometry& g, int x) const
{
    const double length = double(viewTo - viewFrom);
    const double share = std::clamp(double(x - g.plot.left()) / std::max(1, g.plot.width()), 0.0, 1.0);
    return std::clamp(viewFrom + qint64(std::llround(share * length)), viewFrom, viewTo - 1);
}

QSize DayStrip::sizeHint() const
{
    const Geometry g = geometry();
    return {g.labelWidth + 24 * 40, g.axisHeight + lanes * naturalLaneHeight() + 2};
}

QSize DayStrip::minimumSizeHint() const
{
    const Geometry g = geometry();
    return {g.labelWidth + 24 * 14, g.axisHeight + lanes * 9 + 2};
}

void DayStrip::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Window));
    const Geometry g = geometry();
    const QFontMetrics fm = fontMetrics();
    const auto laneTop = [&g](int lane) { return g.plot.top() + lane * g.laneHeight; };

    // Every other lane shaded, so a bar is read against its label.
    for (int lane = 0; lane < lanes; lane += 2) {
        painter.fillRect(QRect(0, laneTop(lane), width(), g.laneHeight), laneShade);
    }
    painter.setPen(pal.color(QPalette::WindowText));
    const bool labelsFit = g.laneHeight >= fm.height() - 2;
    for (int lane = 0; lane < lanes && labelsFit; ++lane) {
        const QString name = lane == 0 ? tr("Transmit") : laneName(lane - 1);
        const QRect box(4, laneTop(lane), g.labelWidth - 8, g.laneHeight);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(name, Qt::ElideRight, box.width()));
    }

    // Ticks as often as their times fit: hours over a long view, minutes
    // over a short one.
    const qint64 viewMs = std::max<qint64>(1, viewTo - viewFrom);
    const bool hoursOnly = viewMs > 4 * hourMs;
    const int numberWidth = fm.horizontalAdvance(hoursOnly ? QStringLiteral("00") : QStringLiteral("00:00")) + 8;
    qint64 every = hourMs;
    for (const qint64 minutes : {5, 10, 15, 30, 60, 120, 180, 240, 360, 720}) {
        every = minutes * 60000;
        if (double(every) * g.plot.width() / double(viewMs) >= numberWidth && (minutes >= 60 || !hoursOnly)) {
            break;
        }
    }
    const qint64 tick = std::min<qint64>(every, hourMs);
    for (qint64 at = viewFrom; at <= viewTo; at += tick) {
        const int x = xOf(g, at);
        painter.setPen(gridColour);
        painter.drawLine(x, g.plot.top(), x, g.plot.bottom());
        painter.setPen(pal.color(QPalette::WindowText));
        painter.drawLine(x, g.axisHeight - 5, x, g.axisHeight - 1);
        if ((at - day.start) % every == 0) {
            const QString number = at == day.end ? QStringLiteral("24")
                : hoursOnly ? QStringLiteral("%1").arg((at - day.start) / hourMs, 2, 10, QLatin1Char('0'))
                            : clockText(at);
            const int w = fm.horizontalAdvance(number);
            painter.drawText(QRect(x - w / 2 - 1, 1, w + 2, fm.height()), Qt::AlignCenter, number);
        }
    }

    const int inset = std::max(1, g.laneHeight / 5);
    for (int antenna = 0; antenna < journalday::antennas; ++antenna) {
        for (const journalday::Span& span : day.inUse[std::size_t(antenna)]) {
            const int x0 = xOf(g, span.from);
            const int x1 = std::max(x0 + 1, xOf(g, span.to));
            painter.fillRect(QRect(x0, laneTop(antenna + 1) + inset, x1 - x0, g.laneHeight - 2 * inset), barColour);
        }
    }
    for (const journalday::Span& spell : day.transmits) {
        // Two pixels at least: a short over is seen.
        const int x0 = xOf(g, spell.from);
        const int x1 = std::max(x0 + 2, xOf(g, spell.to));
        painter.fillRect(QRect(x0, laneTop(0) + inset, x1 - x0, g.laneHeight - 2 * inset), transmitColour);
    }

    // Marks by shape as well as colour: a triangle waited, a cross failed.
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = std::max(4, g.laneHeight - 4);
    for (const journalday::Mark& mark : day.marks) {
        const double x = xOf(g, mark.at);
        const double top = laneTop(mark.antenna >= 0 ? mark.antenna + 1 : 0) + (g.laneHeight - size) / 2.0;
        if (mark.kind == journalday::Mark::Kind::Waited) {
            QPainterPath triangle;
            triangle.moveTo(x - size / 2, top);
            triangle.lineTo(x + size / 2, top);
            triangle.lineTo(x, top + size);
            triangle.closeSubpath();
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(waitedColour);
            painter.drawPath(triangle);
        } else {
            const QRectF box(x - size / 2, top, size, size);
            for (const auto& [pen, width] : {std::pair {QColor(Qt::black), 4.0}, std::pair {failedColour, 2.0}}) {
                painter.setPen(QPen(pen, width, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(box.topLeft(), box.bottomRight());
                painter.drawLine(box.topRight(), box.bottomLeft());
            }
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);

    if (day.limit < day.end) {
        // Today: nothing is known after now.
        const int x = xOf(g, day.limit);
        painter.setPen(QPen(pal.color(QPalette::WindowText), 1, Qt::DashLine));
        painter.drawLine(x, g.plot.top(), x, g.plot.bottom());
    }
    if (hasFocus()) {
        const int x = xOf(g, cursorAt);
        painter.setPen(QPen(cursorColour, 2));
        painter.drawLine(x, g.axisHeight - 6, x, g.plot.bottom());
        painter.setPen(QPen(cursorColour, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void DayStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Geometry g = geometry();
    setCursorTime(timeAt(g, event->pos().x()));
    Q_EMIT timeChosen(cursorAt);
}

void DayStrip::keyPressEvent(QKeyEvent* event)
{
    const qint64 step = (event->modifiers() & Qt::ShiftModifier) ? hourMs : quarterMs;
    switch (event->key()) {
    case Qt::Key_Left:
        setCursorTime(cursorAt - step);
        break;
    case Qt::Key_Right:
        setCursorTime(cursorAt + step);
        break;
    case Qt::Key_Home:
        setCursorTime(viewFrom);
        break;
    case Qt::Key_End:
        setCursorTime(viewTo - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT timeChosen(cursorAt);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool DayStrip::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Geometry g = geometry();
        if (!g.plot.contains(help->pos())) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const int lane = (help->pos().y() - g.plot.top()) / std::max(1, g.laneHeight);
        const QString name = lane == 0 ? tr("Transmit") : laneName(lane - 1);
        QToolTip::showText(help->globalPos(), tr("%1 UTC, %2").arg(clockText(timeAt(g, help->pos().x())), name), this);
        return true;
    }
    return QWidget::event(event);
}
