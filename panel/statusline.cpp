#include "panel/statusline.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include "link/linklog.h"
#include "panel/panelaccess.h"

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

void StatusLine::shown(const QString& text)
{
    if (text.isEmpty()) {
        bar->clearMessage();
    } else {
        bar->showMessage(text, 0);
    }
}

void StatusLine::heard(const QString& text)
{
    access->announce(text);
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
