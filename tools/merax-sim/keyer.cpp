#include "keyer.h"

#include <QHash>

#include <algorithm>
#include <iterator>

namespace {

const QHash<QChar, QString>& morse()
{
    static const QHash<QChar, QString> table = [] {
        const char* codes[] = {".-",    "-...",  "-.-.",  "-..",   ".",     "..-.",  "--.",   "....",  "..",
                               ".---",  "-.-",   ".-..",  "--",    "-.",    "---",   ".--.",  "--.-",  ".-.",
                               "...",   "-",     "..-",   "...-",  ".--",   "-..-",  "-.--",  "--..",  "-----",
                               ".----", "..---", "...--", "....-", ".....", "-....", "--...", "---..", "----."};
        QHash<QChar, QString> t;
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        for (int i = 0; i < letters.size(); ++i) {
            t.insert(letters.at(i), QString::fromLatin1(codes[i]));
        }
        t.insert(QLatin1Char('/'), QStringLiteral("-..-."));
        t.insert(QLatin1Char('?'), QStringLiteral("..--.."));
        return t;
    }();
    return table;
}

} // namespace

Keyer::Keyer(int wpm, const QString& text, int pauseMs)
    : dit(1200 / std::max(1, wpm))
{
    qint64 at = 0;
    bool wordStarted = false;
    for (const QString& word : text.toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (wordStarted) {
            at += 7 * dit - 3 * dit; // the letter gap is already counted
        }
        wordStarted = true;
        bool letterStarted = false;
        for (const QChar c : word) {
            const QString code = morse().value(c);
            if (code.isEmpty()) {
                continue;
            }
            if (letterStarted) {
                at += 3 * dit - dit; // the element gap is already counted
            }
            letterStarted = true;
            for (const QChar e : code) {
                const qint64 length = e == QLatin1Char('-') ? 3 * dit : dit;
                elements.append({at, at + length});
                at += length + dit;
            }
        }
    }
    cycle = std::max<qint64>(1, at - dit + std::max(0, pauseMs));
}

bool Keyer::keyDown(qint64 ms) const
{
    if (ms < 0 || elements.isEmpty()) {
        return false;
    }
    const qint64 t = ms % cycle;
    // The spells are in order: the last one starting at or before t.
    auto it = std::upper_bound(elements.begin(), elements.end(), t,
                               [](qint64 value, const Element& e) { return value < e.from; });
    return it != elements.begin() && t < std::prev(it)->to;
}
