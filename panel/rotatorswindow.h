#ifndef ZAREL_ROTATORSWINDOW_H
#define ZAREL_ROTATORSWINDOW_H

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class CompassRose;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class Rotators;
namespace locator {
struct Aim;
}

// The station's rotators, one group each: what rotctld reports, the compass,
// and a field that takes a bearing or a locator to turn to. Escape stops the
// rotator whose group has the focus, or every one when none has; it does
// not close the window. Alt+B, Alt+L, Alt+T and Alt+S act in the group
// with the focus.
class RotatorsWindow : public QWidget
{
    Q_OBJECT

public:
    // `announce`: says a text to the screen reader.
    RotatorsWindow(Rotators& rotators, std::function<void(const QString&)> announce, QWidget* parent = nullptr);
    ~RotatorsWindow() override;

    // Shows the window with the focus in the bearing field of `rotor` (from
    // 0), its text selected; the first rotator's when that one is not set.
    void focusRotator(int rotor);

    // After Rotators::configure: a group for each rotator set now, and the
    // readings from the station's locator as it is now.
    void refresh();

private:
    struct Group
    {
        int rotor = 0;
        QGroupBox* box = nullptr;
        QLabel* about = nullptr; // model and antennas
        QLabel* trouble = nullptr;
        QLabel* heading = nullptr;
        CompassRose* compass = nullptr;
        QLabel* fieldLabel = nullptr;
        QLineEdit* field = nullptr;
        QCheckBox* longPath = nullptr;
        QLabel* reading = nullptr;
        QPushButton* turn = nullptr;
        QPushButton* stop = nullptr;
    };

    void build();
    Group makeGroup(int rotor, QWidget* page);
    Group* groupOf(int rotor);
    // The group holding `widget`; none when it is in no group.
    Group* groupHolding(const QWidget* widget);
    void follow(int rotor);
    // What the field reads, shown under it; `choose`: the compass takes
    // the bearing as the operator's choice.
    void read(Group& group, bool choose);
    // "137° towards JN58TD, 850 km, short path"; "137°" for a bearing.
    static QString aimText(const locator::Aim& aim);
    void turnToField(int rotor);
    void turnTo(int rotor, double bearing, const QString& what);
    void stopFocused();
    // The mnemonics of one group at a time: four groups with the same
    // Alt keys would only move the focus among them.
    void giveMnemonics(Group* group);
    void fit();

    Rotators& rotators;
    std::function<void(const QString&)> announce;
    QScrollArea* scroll = nullptr;
    QPointer<QWidget> page;
    QLabel* noneSet = nullptr;
    std::vector<Group> groups;
    int mnemonicRotor = -1;
    bool choosing = false; // the field is handing its bearing to the compass
};

#endif // ZAREL_ROTATORSWINDOW_H
