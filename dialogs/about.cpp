#include "dialogs/about.h"

#include "forms/aboutform.h"

about::about(QWidget* parent)
    : QDialog(parent)
    , ui(new AboutForm)
{
    ui->build(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

about::~about()
{
    delete ui;
}
