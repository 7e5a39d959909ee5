#include "panel/statusline.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include <utility>

#include "connection/watchdog.h"
#include "link/linklog.h"
#include "panel/panelaccess.h"

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

} // namespace

StatusLine::StatusLine(QStatusBar* bar, PanelAccess* access)
    : bar(bar)
    , access(access)
{
    // Permanent, so the radio's band and the round trip never push a prompt
    // or a warning away.
    radio = new QLabel(bar);
    radio->setObjectName(QStringLiteral("labelBand"));
    radio->hide();
    // Apart from the round trip beside it: the status bar draws no separator.
    radio->setContentsMargins(0, 0, 16, 0);
    bar->addPermanentWidget(radio);
    link = new QLabel(bar);
    link->setObjectName(QStringLiteral("labelPing"));
    bar->addPermanentWidget(link);
    fitConnection = QObject::connect(bar, &QStatusBar::messageChanged, bar, [this](const QString& text) { fit(text); });
}

StatusLine::~StatusLine()
{
    // The bar outlives this line: no message may reach it afterwards.
    QObject::disconnect(fitConnection);
}

void StatusLine::show(const QString& text)
{
    if (text == bar->currentMessage()) {
        access->announce(text);
    }
    bar->showMessage(text, 0);
}

void StatusLine::replace(const QString& text, const QString& replacement)
{
    if (text.isEmpty() || bar->currentMessage() != text) {
        return;
    }
    if (!replacement.isEmpty()) {
        show(replacement);
    } else if (!standing.isEmpty()) {
        show(standing);
    } else {
        bar->clearMessage();
    }
}

void StatusLine::setStanding(const QString& text)
{
    if (text == standing) {
        return;
    }
    const QString before = std::exchange(standing, text);
    if (!text.isEmpty()) {
        show(text);
    } else if (bar->currentMessage() == before) {
        bar->clearMessage();
    }
}

void StatusLine::showLink(const QString& text)
{
    if (standing.isEmpty()) {
        show(text);
    } else {
        access->announce(text);
    }
}

void StatusLine::linkStarted(qint64 now)
{
    linkLostTold = false;
    connectedAt = now;
}

void StatusLine::linkChecked(bool connected, bool fresh, qint64 now)
{
    // Silent since Connect counts once the watchdog's time has passed.
    const bool lost = !fresh && !reportIsFresh(now - connectedAt);
    if (!connected || lost == linkLostTold || (!lost && !fresh)) {
        return;
    }
    linkLostTold = lost;
    const QString text = lost ? Text::tr("No answer from the Merax") : Text::tr("The Merax answers again");
    // What the bar said of the link no longer holds: it gives way. Other
    // notices stand, and the change is heard all the same.
    const QString shown = bar->currentMessage();
    const bool aboutTheLink = shown.isEmpty() || shown == Text::tr("LAN enabled") ||
        shown == Text::tr("No answer from the Merax") || shown == Text::tr("The Merax answers again");
    if (aboutTheLink) {
        showLink(text);
    } else {
        access->announce(text);
    }
}

void StatusLine::setLinkFigures(const QString& text)
{
    if (link->text() != text) {
        link->setText(text);
    }
}

void StatusLine::setRadioFigures(const QString& text)
{
    if (radio->text() != text) {
        radio->setText(text);
    }
    radio->setVisible(!text.isEmpty());
    access->radioChanged(text);
}

void StatusLine::fit(const QString& text)
{
    // Not laid out before the window is shown: nothing to measure against.
    if (fitting) {
        return;
    }
    qCDebug(lcLink).noquote() << "status:" << text;
    // Heard whole, as it appears; shortened below only for the eye.
    access->announce(text);
    if (!bar->isVisible()) {
        return;
    }
    // The message shares the bar with the band and round-trip fields.
    int room = bar->width() - 12;
    for (const QLabel* field : {radio, link}) {
        if (field->isVisible()) {
            room -= field->sizeHint().width() + 6;
        }
    }
    const QFontMetrics metrics(bar->font());
    const bool tooLong = !text.isEmpty() && metrics.horizontalAdvance(text) > room;
    // A message cut at the bar's edge loses its point: it is shortened where
    // the operator sees it was, and the tooltip holds it whole.
    const QString tip = tooLong ? text : QString();
    if (bar->toolTip() != tip) {
        bar->setToolTip(tip);
    }
    if (tooLong) {
        fitting = true;
        bar->showMessage(metrics.elidedText(text, Qt::ElideRight, qMax(room, 0)));
        fitting = false;
    }
}
