#ifndef ZAREL_COMPASSROSE_H
#define ZAREL_COMPASSROSE_H

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <optional>

// One rotator's compass: the rose with N, E, S, W and a tick every 30°, the
// heading as a needle, the target of a turn as a mark on the rim and the
// bearing the operator chose as a dashed line. While the heading is not
// known only the rose is drawn: a needle left where it was would pass for
// the antenna's heading.
//
// The keyboard chooses the bearing: Left and Right (Down and Up) by 1°,
// with Shift or PageDown and PageUp by 10°, Home north; Enter asks for the
// turn. A click chooses the bearing under the pointer. A screen reader
// finds it as a dial whose value is the chosen bearing, described by what
// valueText() says.
class CompassRose : public QWidget
{
    Q_OBJECT

public:
    explicit CompassRose(QWidget* parent = nullptr);

    // The rotator's name, for the accessible name ("Tower compass").
    void setRotatorName(const QString& name);

    // None: not known (only the rose is drawn).
    void setHeading(std::optional<double> degrees);
    std::optional<double> heading() const { return headingShown; }
    // The bearing a turn goes to; none while none is under way.
    void setTarget(std::optional<double> degrees);
    std::optional<double> target() const { return targetShown; }

    // The bearing the operator chose, 0 up to 360. Before one is chosen:
    // the heading, to the degree, or north when that is not known either.
    double chosen() const;
    bool hasChosen() const { return chosenBearing.has_value(); }
    // Chosen from elsewhere (the bearing field): emits chosenChanged when it
    // moves.
    void setChosen(double degrees);
    // No bearing chosen: the mark goes.
    void clearChosen();

    // "heading 45°, turning to 135°, chosen 140°"; "heading not known" while
    // it is not.
    QString valueText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

Q_SIGNALS:
    void chosenChanged(double degrees);
    // Enter: turn to the chosen bearing.
    void turnWanted(double degrees);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The rose itself, drawn once per size and palette: the repaints while
    // a rotator turns only add the marks.
    void drawRose();
    // Steps from the chosen bearing, to the whole degree.
    void stepChosen(int degrees);
    void chosenMoved();
    // The square the rose is drawn in, and its radius.
    QRectF roseSquare() const;

    QString rotatorName;
    std::optional<double> headingShown;
    std::optional<double> targetShown;
    std::optional<double> chosenBearing;
    QPixmap rose;
};

#endif // ZAREL_COMPASSROSE_H
