#ifndef ZAREL_DAYSTRIP_H
#define ZAREL_DAYSTRIP_H

#include <QStringList>
#include <QWidget>

#include "panel/journalday.h"

// The journal window's picture of one UTC day: the hours along the top, a
// lane of transmissions, and a lane per antenna with the spans it was in
// use, waited switches (amber triangles) and failed ones (red crosses) on
// it. A click or Enter on the cursor (Left/Right 15 min, Shift 1 h,
// Home/End) chooses a time; the accessible description says the day in
// words.
class DayStrip : public QWidget
{
    Q_OBJECT

public:
    explicit DayStrip(QWidget* parent = nullptr);

    void setPicture(const journalday::Picture& picture);
    const journalday::Picture& picture() const { return day; }
    // Twelve of the operator's captions; an empty one is "Ant N".
    void setCaptions(const QStringList& captions);
    QString laneName(int antenna) const;

    // The hours the day was in use, rounded out to whole hours (five minutes
    // for a short session), or the whole day: an evening of switching is
    // read at a glance either way.
    void setWholeDay(bool whole);
    qint64 viewStart() const { return viewFrom; }
    qint64 viewEnd() const { return viewTo; }

    qint64 cursorTime() const { return cursorAt; }
    void setCursorTime(qint64 at);

    // The day in words, as the accessible description has it.
    QString summary() const;
    // The cursor's time and what was on then, as the accessible value has it.
    QString cursorText() const;
    static QString durationText(qint64 ms);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void timeChosen(qint64 at);
    // The cursor moved: its time and what was on then, to be said.
    void cursorMoved(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Geometry
    {
        int labelWidth = 0;
        int axisHeight = 0;
        int laneHeight = 0;
        QRect plot; // the lanes, right of the labels
    };
    Geometry geometry() const;
    int xOf(const Geometry& g, qint64 at) const;
    qint64 timeAt(const Geometry& g, int x) const;
    int naturalLaneHeight() const;

    void chooseView();

    journalday::Picture day;
    bool wholeDay = false;
    qint64 viewFrom = 0;
    qint64 viewTo = 0;
    QStringList captions;
    qint64 cursorAt = 0;
};

#endif // ZAREL_DAYSTRIP_H
