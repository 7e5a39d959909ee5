#ifndef ZAREL_MESSAGES_H
#define ZAREL_MESSAGES_H

#include <QString>

#include <functional>

class QWidget;

// Warning boxes go through here so tests can answer them without a human.
namespace messages {

using WarningHandler = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// Shows a modal warning with a single OK button (or hands it to the handler).
void warning(QWidget* parent, const QString& title, const QString& text);

// Replaces the warning box, for tests; an empty handler restores it.
void setWarningHandler(WarningHandler handler);

} // namespace messages

#endif // ZAREL_MESSAGES_H
