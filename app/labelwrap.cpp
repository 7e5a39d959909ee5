#include "app/labelwrap.h"

namespace {

constexpr int lineWidth = 5;

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ');
}

} // namespace

QString wrapLabelText(const QString& text)
{
    const QChar lineFeed(QLatin1Char('\n'));
    QString wrapped = text;
    int lineStart = 0;
    int cutsLeft = 2;
    for (int i = 0; i < wrapped.size(); ++i) {
        // An own line feed starts a line with one cut of its own. Inserted
        // ones are stepped over, and one at 0 counts as a character of the
        // first line, as captions stored long ago were laid out.
        if (wrapped.at(i) == lineFeed && i > 0) {
            lineStart = i + 1;
            cutsLeft = 1;
            continue;
        }
        if (cutsLeft == 0 || i != lineStart + lineWidth) {
            continue;
        }
        int cut = i;
        if (isSpace(wrapped.at(i))) {
            while (cut < wrapped.size() && isSpace(wrapped.at(cut))) {
                ++cut;
            }
            // Nothing but spaces to the line's end: no cut needed.
            if (cut == wrapped.size() || wrapped.at(cut) == lineFeed) {
                i = cut - 1;
                continue;
            }
        } else {
            int wordStart = i;
            while (wordStart > lineStart && !isSpace(wrapped.at(wordStart - 1))) {
                --wordStart;
            }
            bool textBefore = false;
            for (int k = lineStart; k < wordStart && !textBefore; ++k) {
                textBefore = !isSpace(wrapped.at(k));
            }
            // The word goes to the next line whole; one that fills its line
            // from the start is longer than a line and is cut where it is full.
            if (textBefore) {
                cut = wordStart;
            }
        }
        wrapped.insert(cut, lineFeed);
        lineStart = cut + 1;
        --cutsLeft;
        i = cut;
    }
    return wrapped;
}
