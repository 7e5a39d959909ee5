#ifndef ZAREL_ASKER_H
#define ZAREL_ASKER_H

#include <QMetaType>
#include <QString>

// Who asked for an operation, for the operator's record of it.
struct Asker
{
    enum class Kind {
        Key, // a key of this panel, by mouse or keyboard
        FunctionKey, // F1..F12
        Menu,
        BandFollowing,
        NextAntenna,
        DeviceBack, // a device that came back, on another antenna
        Remote, // a user of another front end, by name
        Station // the station itself: the transmit inhibit, a poll
    };
    Kind kind = Kind::Key;
    QString user;
};

Q_DECLARE_METATYPE(Asker)

#endif // ZAREL_ASKER_H
