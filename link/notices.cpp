#include "link/notices.h"

#include <QCoreApplication>

#include <utility>

#include "connection/watchdog.h"

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

} // namespace

Notices::Notices(QObject* parent)
    : QObject(parent)
{
}

void Notices::show(const QString& text)
{
    if (text == shownText) {
        emit heard(text);
        return;
    }
    shownText = text;
    emit changed(text);
}

void Notices::replace(const QString& text, const QString& replacement)
{
    if (text.isEmpty() || shownText != text) {
        return;
    }
    if (!replacement.isEmpty()) {
        show(replacement);
    } else if (!standing.isEmpty()) {
        show(standing);
    } else {
        clear();
    }
}

void Notices::append(const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    show(shownText.isEmpty() ? text : shownText + QStringLiteral("  \u00b7  ") + text);
}

void Notices::clear()
{
    if (!shownText.isEmpty()) {
        shownText.clear();
        emit changed(shownText);
    }
}

void Notices::setStanding(const QString& text)
{
    if (text == standing) {
        return;
    }
    const QString before = std::exchange(standing, text);
    if (!text.isEmpty()) {
        show(text);
    } else if (shownText == before) {
        clear();
    }
}

void Notices::showLink(const QString& text)
{
    if (standing.isEmpty()) {
        show(text);
    } else {
        emit heard(text);
    }
}

void Notices::linkStarted(qint64 now)
{
    linkLostTold = false;
    connectedAt = now;
}

void Notices::linkChecked(bool connected, bool fresh, qint64 now)
{
    // Silent since Connect counts once the watchdog's time has passed.
    const bool lost = !fresh && !reportIsFresh(now - connectedAt);
    if (!connected || lost == linkLostTold || (!lost && !fresh)) {
        return;
    }
    linkLostTold = lost;
    const QString text = lost ? Text::tr("No answer from the Merax") : Text::tr("The Merax answers again");
    // What stood of the link no longer holds: it gives way. Other notices
    // stand, and the change is heard all the same.
    const bool aboutTheLink = shownText.isEmpty() || shownText == Text::tr("LAN enabled") ||
        shownText == Text::tr("No answer from the Merax") || shownText == Text::tr("The Merax answers again");
    if (aboutTheLink) {
        showLink(text);
    } else {
        emit heard(text);
    }
}
