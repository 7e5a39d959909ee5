#include "forms/lanform.h"
#include "forms/formhelpers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QRadioButton>

#include "forms/theme.h"

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("formLanCFG", text);
}

template<class Widget>
Widget* make(QDialog* dialog, const char* name, const QRect& geometry)
{
    auto* widget = new Widget(dialog);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

void LanForm::build(QDialog* dialog)
{
    if (dialog->objectName().isEmpty()) {
        dialog->setObjectName(QStringLiteral("formLanCFG"));
    }
    dialog->resize(400, 221);
    dialog->setStyleSheet(dialogStyleSheet());

    label = make<QLabel>(dialog, "label", QRect(40, 40, 331, 16));
    label->setFont(pointFont(12, true));
    label_2 = make<QLabel>(dialog, "label_2", QRect(40, 80, 31, 31));
    label_2->setFont(pointFont(12));
    lineEditIP = make<QLineEdit>(dialog, "lineEditIP", QRect(80, 80, 261, 31));
    label_3 = make<QLabel>(dialog, "label_3", QRect(20, 120, 51, 31));
    label_3->setFont(pointFont(12));
    lineEditPort = make<QLineEdit>(dialog, "lineEditPort", QRect(80, 120, 131, 31));
    radioButton = make<QRadioButton>(dialog, "radioButton", QRect(40, 180, 101, 19));
    buttonBox = make<QDialogButtonBox>(dialog, "buttonBox", QRect(290, 150, 81, 61));
    buttonBox->setOrientation(Qt::Vertical);
    buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    applyTexts(dialog);
    QObject::connect(buttonBox, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttonBox, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QMetaObject::connectSlotsByName(dialog);
}

void LanForm::applyTexts(QDialog* dialog)
{
    dialog->setWindowTitle(tr("Dialog"));
    label->setText(tr("Insert the Merax's IP and port in use:"));
    label_2->setText(tr("IP:"));
    label_3->setText(tr("PORT:"));
    radioButton->setText(tr("Directly use IP"));
}
