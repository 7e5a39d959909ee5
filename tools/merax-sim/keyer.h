#ifndef MERAXSIM_KEYER_H
#define MERAXSIM_KEYER_H

// A CW keyer on the SEND input: the same call over and over with standard
// Morse timing (a dit is 1200 / WPM ms, a dah three dits, one dit between
// elements, three between letters, seven between words) and a pause between
// calls. Pure: the key's state at a time in the cycle.

#include <QString>
#include <QVector>

class Keyer
{
public:
    // `text` in letters, digits and blanks; others are skipped.
    Keyer(int wpm, const QString& text, int pauseMs);
    int ditMs() const { return dit; }
    qint64 cycleMs() const { return cycle; }
    // Whether the key is down `ms` after the keyer started.
    bool keyDown(qint64 ms) const;

private:
    struct Element
    {
        qint64 from = 0;
        qint64 to = 0;
    };
    QVector<Element> elements; // key-down spells of one call
    int dit = 60;
    qint64 cycle = 0;
};

#endif // MERAXSIM_KEYER_H
