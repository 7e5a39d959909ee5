#include "panel/rotatorswindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

#include "app/locator.h"
#include "connection/rotators.h"
#include "forms/screenroom.h"
#include "forms/theme.h"
#include "panel/compassrose.h"

namespace {

void setTextIfNew(QLabel* label, const QString& text)
{
    // A label set again lays its window out again, twice a second per turn.
    if (label->text() != text) {
        label->setText(text);
    }
}

} // namespace

RotatorsWindow::RotatorsWindow(Rotators& rotators, std::function<void(const QString&)> announce, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , rotators(rotators)
    , announce(std::move(announce))
{
    applyDialogTheme(this);
    setWindowTitle(tr("Rotators"));
    auto* layout = new QVBoxLayout(this);
    scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scroll);
    // Everywhere in the window, the field included: a turn that goes wrong
    // is stopped with one key, whatever has the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &RotatorsWindow::stopFocused);
    connect(&rotators, &Rotators::changed, this, &RotatorsWindow::follow);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (Group* group = groupHolding(now)) {
            giveMnemonics(group);
        }
    });
    build();
}

RotatorsWindow::~RotatorsWindow() = default;

void RotatorsWindow::refresh()
{
    bool same = true;
    std::size_t next = 0;
    for (int rotor = 0; rotor < settingskey::rotators::Count; ++rotor) {
        if (rotators.view(rotor).set) {
            same = same && next < groups.size() && groups[next].rotor == rotor;
            ++next;
        }
    }
    // The groups stay, with the focus and the window's size, when the same
    // rotators are set.
    if (!same || next != groups.size()) {
        build();
        return;
    }
    for (Group& group : groups) {
        follow(group.rotor);
        read(group, false);
    }
}

void RotatorsWindow::build()
{
    // What is being typed survives a rebuild of the rotators still set.
    QHash<int, QString> typed;
    QHash<int, bool> longPaths;
    for (const Group& group : groups) {
        typed.insert(group.rotor, group.field->text());
        longPaths.insert(group.rotor, group.longPath->isChecked());
    }
    const bool hadFocus = isActiveWindow() && page && page->isAncestorOf(focusWidget());
    groups.clear();
    mnemonicRotor = -1;
    noneSet = nullptr;
    delete scroll->takeWidget();
    page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    std::vector<int> set;
    for (int rotor = 0; rotor < settingskey::rotators::Count; ++rotor) {
        if (rotators.view(rotor).set) {
            set.push_back(rotor);
        }
    }
    // Two by two: four rotators on a screen of 1280 by 720.
    const int columns = set.size() > 1 ? 2 : 1;
    // The connections find their group by rotator: none is moved meanwhile.
    groups.reserve(set.size());
    for (std::size_t i = 0; i < set.size(); ++i) {
        groups.push_back(makeGroup(set[i], page));
        Group& group = groups.back();
        grid->addWidget(group.box, int(i) / columns, int(i) % columns);
        group.field->setText(typed.value(group.rotor));
        group.longPath->setChecked(longPaths.value(group.rotor));
        follow(group.rotor);
        read(group, false);
    }
    if (groups.empty()) {
        noneSet = new QLabel(tr("No rotator is set up: File › Rotators…"), page);
        // The only thing in the window, and a screen reader reads what has the focus.
        noneSet->setFocusPolicy(Qt::StrongFocus);
        grid->addWidget(noneSet, 0, 0, Qt::AlignTop);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    scroll->setWidget(page);
    giveMnemonics(groups.empty() ? nullptr : &groups.front());
    fit();
    if (hadFocus || !isVisible()) {
        if (groups.empty()) {
            noneSet->setFocus(Qt::OtherFocusReason);
        } else {
            groups.front().field->setFocus(Qt::OtherFocusReason);
        }
    }
}

RotatorsWindow::Group RotatorsWindow::makeGroup(int rotor, QWidget* parent)
{
    Group g;
    g.rotor = rotor;
    g.box = new QGroupBox(parent);
    auto* row = new QHBoxLayout(g.box);
    // Made in the order the focus goes: the compass, then the field and
    // what acts on it.
    g.compass = new CompassRose(g.box);
    // One size in every group, whatever the texts beside it take.
    g.compass->setFixedSize(g.compass->sizeHint());
    row->addWidget(g.compass, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    row->addLayout(column, 1);
    g.heading = new QLabel(g.box);
    QFont bold = g.heading->font();
    bold.setBold(true);
    g.heading->setFont(bold);
    // Wide enough for a turn under way: the groups keep their size while
    // rotators turn and stop.
    g.heading->setMinimumWidth(
        QFontMetrics(bold).horizontalAdvance(tr("Heading %1, turning to %2").arg(headingText(358), headingText(358))) +
        4);
    g.about = new QLabel(g.box);
    g.about->setWordWrap(true);
    g.trouble = new QLabel(g.box);
    g.trouble->setWordWrap(true);
    // A line kept for it: a rotctld lost or back does not move the field.
    g.trouble->setMinimumHeight(g.trouble->fontMetrics().height());
    g.fieldLabel = new QLabel(g.box);
    g.field = new QLineEdit(g.box);
    g.field->setAccessibleName(tr("Bearing or locator"));
    g.field->setAccessibleDescription(tr("Degrees from north, or a Maidenhead locator such as JN58td; Enter turns"));
    g.field->setPlaceholderText(tr("135 or JN58td"));
    g.field->setMaxLength(32);
    g.field->setMinimumWidth(200);
    g.fieldLabel->setBuddy(g.field);
    g.longPath = new QCheckBox(g.box);
    g.longPath->setAccessibleName(tr("Long path"));
    g.reading = new QLabel(g.box);
    g.reading->setWordWrap(true);
    g.turn = new QPushButton(g.box);
    g.turn->setAccessibleName(tr("Turn"));
    g.stop = new QPushButton(g.box);
    g.stop->setAccessibleName(tr("Stop"));
    g.stop->setToolTip(tr("Escape stops the rotator anywhere in this window"));
    for (QWidget* w : std::initializer_list<QWidget*> {g.heading, g.about, g.trouble, g.fieldLabel, g.field, g.longPath,
                                                       g.reading}) {
        column->addWidget(w);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(g.turn);
    buttons->addWidget(g.stop);
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addStretch(1);

    connect(g.field, &QLineEdit::textEdited, this, [this, rotor] {
        if (Group* group = groupOf(rotor)) {
            read(*group, true);
        }
    });
    connect(g.longPath, &QCheckBox::toggled, this, [this, rotor] {
        if (Group* group = groupOf(rotor)) {
            read(*group, true);
        }
    });
    connect(g.field, &QLineEdit::returnPressed, this, [this, rotor] { turnToField(rotor); });
    connect(g.turn, &QPushButton::clicked, this, [this, rotor] { turnToField(rotor); });
    connect(g.stop, &QPushButton::clicked, this, [this, rotor] {
        if (rotators.stop(rotor, Asker {Asker::Kind::Menu, {}})) {
            announce(tr("Stopping %1").arg(rotators.view(rotor).name));
        }
    });
    connect(g.compass, &CompassRose::chosenChanged, this, [this, rotor](double degrees) {
        Group* group = groupOf(rotor);
        if (group == nullptr || choosing) {
            return;
        }
        // The field says what Enter turns to: the compass's bearing now.
        group->field->setText(QString::number(int(std::lround(degrees)) % 360));
        read(*group, false);
    });
    connect(g.compass, &CompassRose::turnWanted, this,
            [this, rotor](double degrees) { turnTo(rotor, degrees, headingText(degrees)); });
    return g;
}

RotatorsWindow::Group* RotatorsWindow::groupOf(int rotor)
{
    for (Group& group : groups) {
        if (group.rotor == rotor) {
            return &group;
        }
    }
    return nullptr;
}

RotatorsWindow::Group* RotatorsWindow::groupHolding(const QWidget* widget)
{
    if (widget == nullptr) {
        return nullptr;
    }
    for (Group& group : groups) {
        if (group.box == widget || group.box->isAncestorOf(widget)) {
            return &group;
        }
    }
    return nullptr;
}

void RotatorsWindow::follow(int rotor)
{
    const RotatorView view = rotators.view(rotor);
    Group* g = groupOf(rotor);
    // A rotator set up or taken away: the groups are made again.
    if (view.set != (g != nullptr)) {
        build();
        return;
    }
    if (g == nullptr) {
        return;
    }
    if (g->box->title() != view.name) {
        g->box->setTitle(view.name);
        g->compass->setRotatorName(view.name);
    }
    QStringList antennas;
    for (int antenna : view.antennas) {
        antennas << tr("Ant %1").arg(antenna + 1);
    }
    const QString turns =
        antennas.isEmpty() ? tr("turns no antenna") : tr("turns %1").arg(antennas.join(QStringLiteral(", ")));
    setTextIfNew(g->about, view.model.isEmpty() ? turns : tr("%1, %2").arg(view.model, turns));
    setTextIfNew(g->trouble, view.trouble);
    const QString heading = !view.heading ? tr("Heading not known")
        : view.target ? tr("Heading %1, turning to %2").arg(headingText(*view.heading), headingText(*view.target))
                      : tr("Heading %1").arg(headingText(*view.heading));
    setTextIfNew(g->heading, heading);
    g->compass->setHeading(view.heading);
    g->compass->setTarget(view.target);
    // A model's name may take a second line: grow to show it rather than
    // scroll, as far as the screen allows.
    if (isVisible() && scroll->widget() && scroll->widget()->sizeHint().height() > scroll->viewport()->height()) {
        fit();
    }
}

QString RotatorsWindow::aimText(const locator::Aim& aim)
{
    QString text = headingText(aim.bearing);
    if (!aim.locator.isEmpty()) {
        text = tr("%1 towards %2").arg(text, aim.locator);
        if (aim.distanceKm) {
            text = tr("%1, %2 km").arg(text, QLocale().toString(qlonglong(std::llround(*aim.distanceKm))));
        }
        text = aim.longPath ? tr("%1, long path").arg(text) : tr("%1, short path").arg(text);
    } else if (aim.longPath) {
        text = tr("%1, long path").arg(text);
    }
    return text;
}

void RotatorsWindow::read(Group& group, bool choose)
{
    const QString text = group.field->text().trimmed();
    if (text.isEmpty()) {
        setTextIfNew(group.reading, tr("Type a bearing, 0 to 359, or a locator"));
        return;
    }
    const QString home = rotators.settings().locator.trimmed();
    const locator::AimReading reading = locator::aimFromText(
        text, home.isEmpty() ? std::nullopt : locator::position(home), group.longPath->isChecked());
    if (reading.aim) {
        setTextIfNew(group.reading, aimText(*reading.aim));
        if (choose) {
            choosing = true;
            group.compass->setChosen(reading.aim->bearing);
            choosing = false;
        }
    } else {
        setTextIfNew(group.reading,
                     reading.problem.isEmpty() ? tr("“%1” is not a bearing or a locator").arg(text) : reading.problem);
    }
}

void RotatorsWindow::turnToField(int rotor)
{
    Group* group = groupOf(rotor);
    if (group == nullptr) {
        return;
    }
    read(*group, true);
    const QString home = rotators.settings().locator.trimmed();
    const locator::AimReading reading =
        locator::aimFromText(group->field->text().trimmed(), home.isEmpty() ? std::nullopt : locator::position(home),
                             group->longPath->isChecked());
    if (!reading.aim) {
        // Said, not only shown: the operator pressed Enter and hears why
        // nothing turns.
        announce(group->reading->text());
        return;
    }
    turnTo(rotor, reading.aim->bearing, aimText(*reading.aim));
}

void RotatorsWindow::turnTo(int rotor, double bearing, const QString& what)
{
    // A refusal is the rotators' to say, with its reason, and so is the
    // turn to a bearing; a locator's distance and path are told here.
    if (rotators.turn(rotor, bearing, Asker {Asker::Kind::Menu, {}}) && what != headingText(bearing)) {
        announce(tr("%1 turning to %2").arg(rotators.view(rotor).name, what));
    }
}

void RotatorsWindow::stopFocused()
{
    std::vector<int> asked;
    if (const Group* focused = groupHolding(focusWidget())) {
        asked.push_back(focused->rotor);
    } else {
        for (const Group& group : groups) {
            asked.push_back(group.rotor);
        }
    }
    QStringList stopping;
    for (int rotor : asked) {
        if (rotators.stop(rotor, Asker {Asker::Kind::Menu, {}})) {
            stopping << rotators.view(rotor).name;
        }
    }
    if (!stopping.isEmpty()) {
        announce(tr("Stopping %1").arg(stopping.join(QStringLiteral(", "))));
    }
}

void RotatorsWindow::giveMnemonics(Group* holder)
{
    const int rotor = holder ? holder->rotor : -1;
    if (rotor == mnemonicRotor) {
        return;
    }
    mnemonicRotor = rotor;
    for (Group& g : groups) {
        const bool has = g.rotor == rotor;
        g.fieldLabel->setText(has ? tr("&Bearing or locator") : tr("Bearing or locator"));
        g.longPath->setText(has ? tr("&Long path") : tr("Long path"));
        g.turn->setText(has ? tr("&Turn") : tr("Turn"));
        g.stop->setText(has ? tr("&Stop") : tr("Stop"));
    }
}

void RotatorsWindow::focusRotator(int rotor)
{
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    Group* group = groupOf(rotor);
    if (group == nullptr && !groups.empty()) {
        group = &groups.front();
    }
    if (group == nullptr) {
        noneSet->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    scroll->ensureWidgetVisible(group->box);
    group->field->setFocus(Qt::ShortcutFocusReason);
    group->field->selectAll();
}

void RotatorsWindow::fit()
{
    // A new page in the scroll area leaves the window's layout with the
    // old one's hints.
    scroll->updateGeometry();
    fitToScreen(this, scroll);
}
