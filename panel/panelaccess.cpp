#include "panel/panelaccess.h"

#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include "forms/panelform.h"

namespace {

// Texts a screen reader says, in the operator's language.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(PanelAccess)
};

// Draws nothing (it has no size) and is only ever read by screen readers: a
// notification shown with the text as its name.
class NoticeWidget : public QWidget
{
public:
    using QWidget::QWidget;
};

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }
};

QAccessibleInterface* noticeFactory(const QString& className, QObject* object)
{
    Q_UNUSED(className)
    if (auto* widget = dynamic_cast<NoticeWidget*>(object)) {
        return new NoticeAccessible(widget);
    }
    return nullptr;
}

// The keys' own looks leave no room for a focus mark: a ring around the key
// that has the focus, while it came there from the keyboard (a click shows
// where it is anyway). A frame drawn by its style sheet, above the key's
// siblings, that the mouse goes through.
class FocusRing : public QFrame
{
public:
    explicit FocusRing(QWidget* parent)
        : QFrame(parent)
    {
        setObjectName(QStringLiteral("focusRing"));
        setStyleSheet(QStringLiteral("QFrame#focusRing { border: 2px solid rgb(255, 160, 47); "
                                     "background: transparent; }"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* key = static_cast<QWidget*>(object);
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
                follow(key);
            } else {
                hide();
            }
            break;
        }
        case QEvent::FocusOut:
        case QEvent::Hide:
            if (key == followed) {
                followed = nullptr;
                hide();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            // The window's scaling moves the keys.
            if (key == followed) {
                follow(key);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow(QWidget* key)
    {
        followed = key;
        if (parentWidget() != key->parentWidget()) {
            setParent(key->parentWidget());
        }
        setGeometry(key->geometry().adjusted(-3, -3, 3, 3));
        raise();
        show();
    }

    QWidget* followed = nullptr;
};

void setKey(QPushButton* button, const QKeySequence& key)
{
    // Not the button's own shortcut: that one presses again at every repeat
    // of a held key, and a held Ctrl+1 would flip an output on and off. Like
    // the button's, it acts only while the key is shown and enabled.
    auto* shortcut = new QShortcut(key, button);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] { button->animateClick(); });
}

QString withKey(const QString& description, const QKeySequence& key)
{
    return QStringLiteral("%1 (%2)").arg(description, key.toString(QKeySequence::NativeText));
}

} // namespace

PanelAccess::PanelAccess(PanelForm* ui, QStatusBar* statusBar)
{
    const auto buttons = ui->indicatorButtons();
    std::copy(buttons.begin(), buttons.end(), indicators.begin());
    release = ui->botaoRelease;
    power = ui->botaoPower;

    // Keys beside F1 to F12 (antennas), Alt with a menu's letter and what
    // screen readers keep (Insert, Caps Lock, the keypad).
    const QKeySequence releaseKey(Qt::CTRL + Qt::Key_R);
    const QKeySequence splitKey(Qt::CTRL + Qt::Key_S);
    const QKeySequence rtxKey(Qt::ALT + Qt::Key_0);
    setKey(ui->botaoRelease, releaseKey);
    setKey(ui->botaoSplit, splitKey);
    setKey(ui->botaoTeclaRTX, rtxKey);
    ui->botaoRelease->setAccessibleDescription(
        withKey(Text::tr("Takes the radio off its antenna; in split, off the receive antenna only"), releaseKey));
    ui->botaoSplit->setAccessibleDescription(withKey(Text::tr("Transmits and receives on two antennas"), splitKey));
    ui->botaoTeclaRTX->setAccessibleDescription(withKey(Text::tr("Receives with the transceiver"), rtxKey));
    for (int i = 0; i < group::Receivers; ++i) {
        const QKeySequence key(Qt::ALT + Qt::Key_1 + i);
        setKey(ui->rxButtons[i], key);
        ui->rxButtons[i]->setAccessibleDescription(withKey(Text::tr("Receives with receiver %1").arg(i + 1), key));
    }
    for (int i = 0; i < group::Gpos; ++i) {
        const QKeySequence key(Qt::CTRL + Qt::Key_1 + i);
        setKey(ui->gpoButtons[i], key);
        ui->gpoButtons[i]->setAccessibleDescription(
            withKey(Text::tr("Switches output %1; the menu key picks its colour").arg(i + 1), key));
    }
    for (int i = 0; i < group::Antennas; ++i) {
        ui->antennaButtons[i]->setAccessibleDescription(
            withKey(Text::tr("Switches the radio to this antenna"), QKeySequence(Qt::Key_F1 + i)));
        ui->busyButtons[i]->setAccessibleDescription(Text::tr("Lit while another station uses Ant %1").arg(i + 1));
    }
    for (int i = 0; i < group::Gpis; ++i) {
        ui->gpiButtons[i]->setAccessibleDescription(Text::tr("Input %1; the menu key picks its colour").arg(i + 1));
    }
    for (int i = 0; i < group::Rotors; ++i) {
        ui->rotorButtons[i]->setAccessibleDescription(Text::tr("Rotor %1").arg(i + 1));
    }
    ui->botaoSend->setAccessibleDescription(Text::tr("Lit while the station transmits"));
    ui->botaoPower->setAccessibleDescription(Text::tr("The link to the Merax"));

    // Left to right as the panel reads: the keys an operator uses most first,
    // then the lamps.
    QWidget* previous = nullptr;
    const auto next = [&previous](QWidget* widget) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    };
    for (QPushButton* button : ui->antennaButtons) {
        next(button);
    }
    next(ui->botaoRelease);
    next(ui->botaoSplit);
    next(ui->botaoTeclaRTX);
    for (QPushButton* button : ui->rxButtons) {
        next(button);
    }
    for (QPushButton* button : ui->gpoButtons) {
        next(button);
    }
    next(ui->botaoPower);
    next(ui->botaoSend);
    for (QPushButton* button : ui->busyButtons) {
        next(button);
    }
    for (QPushButton* button : ui->rotorButtons) {
        next(button);
    }
    for (QPushButton* button : ui->gpiButtons) {
        next(button);
    }

    // The whole state on request: Ctrl+I, beside no key of the panel's and
    // none a screen reader keeps.
    QWidget* window = statusBar->window();
    auto* stateKey = new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_I), window);
    stateKey->setContext(Qt::WindowShortcut);
    stateKey->setAutoRepeat(false);
    QObject::connect(stateKey, &QShortcut::activated, window, [this] { sayState(); });
    // Shift+F10 opens a key's menu as the menu key does (the GPIO colours):
    // the F-keys without modifiers are the antennas'.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT + Qt::Key_F10), window);
    menuKey->setContext(Qt::WindowShortcut);
    menuKey->setAutoRepeat(false);
    QObject::connect(menuKey, &QShortcut::activated, window, [window] {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr || focused->window() != window) {
            return;
        }
        const QPoint centre = focused->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, focused->mapToGlobal(centre));
        QCoreApplication::sendEvent(focused, &event);
    });

    pendingTimer.setSingleShot(true);
    pendingTimer.setInterval(0);
    pendingTimer.callOnTimeout([this] { sayPending(); });

    // Kept aside until a key first gets the focus from the keyboard; it then
    // moves in beside the key.
    auto* ring = new FocusRing(statusBar);
    for (QWidget* key : indicators) {
        key->installEventFilter(ring);
    }
    release->installEventFilter(ring);
    power->installEventFilter(ring);

    QAccessible::installFactory(noticeFactory);
    for (QPointer<QWidget>& notice : notices) {
        notice = new NoticeWidget(statusBar);
        notice->setObjectName(QStringLiteral("accessibleNotice"));
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setGeometry(0, 0, 0, 0);
        notice->hide();
        // Its screen-reader id taken now: one taken at its first notice can
        // be that of an object just gone (a table's cell editor), which a
        // screen reader still knows as that object, and does not speak.
        QAccessible::queryAccessibleInterface(notice);
    }
}

void PanelAccess::setHeadings(const std::array<QString, group::Antennas>& headings)
{
    if (named && shown.antennaHeadings == headings) {
        return;
    }
    shown.antennaHeadings = headings;
    named = false;
    // A heading that changes is told by the rotator's own notice, once, not
    // again as the focused key's new name.
    headingsOnly = true;
    follow();
    headingsOnly = false;
}

void PanelAccess::setCaptions(const std::array<QString, group::Antennas>& antennas,
                              const std::array<QString, group::Gpis>& gpis,
                              const std::array<QString, group::Gpos>& gpos)
{
    if (named && shown.antennaCaptions == antennas && shown.gpiCaptions == gpis && shown.gpoCaptions == gpos) {
        return;
    }
    shown.antennaCaptions = antennas;
    shown.gpiCaptions = gpis;
    shown.gpoCaptions = gpos;
    named = false;
    follow();
}

void PanelAccess::panelShown(const DeviceState& state, bool known, const PanelFlags& flags, bool confirmed)
{
    // Disconnected, the panel knows nothing of the device, whatever it still paints.
    known = known && shown.link != PanelSpeechInput::Link::Off;
    if (named && shown.state == state && shown.stateKnown == known && shown.flags == flags &&
        shown.confirmed == confirmed) {
        return;
    }
    shown.state = state;
    shown.stateKnown = known;
    shown.flags = flags;
    shown.confirmed = confirmed;
    named = false;
    follow();
}

void PanelAccess::linkShown(PanelSpeechInput::Link link, qint64 roundTripMs)
{
    // The POWER key's figure follows real changes, not the median's jitter.
    const qint64 said = link == PanelSpeechInput::Link::Off ? -1 : roundTripToSay(shown.roundTripMs, roundTripMs);
    if (named && shown.link == link && shown.roundTripMs == said) {
        return;
    }
    shown.link = link;
    shown.roundTripMs = said;
    if (link == PanelSpeechInput::Link::Off) {
        shown.stateKnown = false;
    }
    named = false;
    follow();
}

void PanelAccess::follow()
{
    named = true;
    const PanelSpeechInput& input = shown;
    const PanelSpeech speech = panelSpeech(input);
    const QWidget* focused = QApplication::focusWidget();
    const auto name = [](QWidget* widget, const QString& text) {
        if (widget->accessibleName() == text) {
            return false;
        }
        widget->setAccessibleName(text);
        return true;
    };
    for (int k = 0; k < indicator::Count; ++k) {
        if (name(indicators[k], speech.names[k]) && indicators[k] == focused && !headingsOnly) {
            focusedRenamed = k;
        }
    }
    name(release, speech.release);
    name(power, speech.power);

    if (input.link == PanelSpeechInput::Link::Off) {
        // Connect brings a new device: its first report is told whole.
        told = PanelSpeechInput();
        focusedRenamed = -1;
        return;
    }
    // Only what reports of this link show is told. A panel that lost the
    // device says nothing of it (the link's notice does); told is kept, so
    // its return says only what changed meanwhile.
    if (input.link != PanelSpeechInput::Link::Up || !input.stateKnown || !input.confirmed) {
        return;
    }
    const PanelChange change = panelChange(told, input);
    told = input;
    QStringList parts;
    if (!change.text.isEmpty()) {
        parts << change.text;
    }
    // The key under the operator's finger changed in a way the change does
    // not tell (another station took its antenna, its output went off).
    if (focusedRenamed >= 0 && indicators[focusedRenamed] == focused && !change.told.test(focusedRenamed)) {
        parts << speech.names[focusedRenamed];
    }
    focusedRenamed = -1;
    if (!parts.isEmpty()) {
        announce(spokenTogether(parts));
    }
}

void PanelAccess::announce(const QString& text)
{
    if (text.isEmpty() || pending.contains(text)) {
        return;
    }
    pending << text;
    pendingTimer.start();
}

void PanelAccess::sayPending()
{
    const QString text = spokenTogether(std::exchange(pending, QStringList()));
    // A screen reader reads a notification's text when it comes to the event,
    // which may be after the next one: each of the last few keeps its own.
    QWidget* notice = notices[nextNotice];
    nextNotice = (nextNotice + 1) % notices.size();
    if (notice == nullptr || text.isEmpty()) {
        return;
    }
    // Shown anew for every message: a screen reader presents a notification
    // when it appears, the same text twice included.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
    QAccessibleEvent alert(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PanelAccess::radioChanged(const QString& figures)
{
    // Heard when the source goes quiet or answers again, not at every QSY:
    // band changes are told by the switches they make.
    if (!radio.isEmpty() && !figures.isEmpty() && radioHeard(figures) != radioHeard(radio)) {
        announce(spokenRadio(figures));
    }
    radio = figures;
}

void PanelAccess::sayState()
{
    announce(panelSummary(shown, radio));
}
