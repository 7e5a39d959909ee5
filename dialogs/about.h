#ifndef ZAREL_ABOUT_H
#define ZAREL_ABOUT_H

#include <QDialog>

class AboutForm;

// The program's About box: logo, name, version, copyright and web address.
// Released when closed.
class about : public QDialog
{
    Q_OBJECT

public:
    explicit about(QWidget* parent);
    ~about() override;

private:
    AboutForm* ui;
};

#endif // ZAREL_ABOUT_H
