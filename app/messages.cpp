#include "app/messages.h"

#include <QMessageBox>

namespace messages {

static WarningHandler& handler()
{
    static WarningHandler current;
    return current;
}

void warning(QWidget* parent, const QString& title, const QString& text)
{
    if (handler()) {
        handler()(parent, title, text);
        return;
    }
    QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void setWarningHandler(WarningHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace messages
