#include "app/labelwrap.h"

QString wrapLabelText(const QString& text)
{
    const QChar lineFeed(QLatin1Char('\n'));
    QString wrapped = text;
    int lastLineFeed = 0;
    // The length grows with every insertion; an inserted line feed sits at the
    // position already passed, so it never counts as the caption's own.
    for (int i = 0; i < wrapped.size(); ++i) {
        if (wrapped.at(i) == lineFeed) {
            lastLineFeed = i;
        }
        const bool breakHere = lastLineFeed == 0 ? (i == 5 || i == 11) : i == lastLineFeed + 6;
        if (breakHere) {
            wrapped.insert(i, lineFeed);
        }
    }
    return wrapped;
}
