#include "forms/aboutform.h"
#include "forms/formhelpers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMetaObject>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("about", text);
}

} // namespace

void AboutForm::build(QDialog* dialog)
{
    if (dialog->objectName().isEmpty()) {
        dialog->setObjectName(QStringLiteral("about"));
    }
    dialog->resize(553, 300);

    labelLogo = makeLabel(dialog, "labelLogo", QRect(90, 110, 311, 111));
    labelLogo->setStyleSheet(QStringLiteral("image: url(:/images/Logomarca.png);"));
    labelTopo = makeLabel(dialog, "labelTopo", QRect(30, 20, 511, 41));
    labelTopo->setFont(pointFont(20, true));
    labelVersion = makeLabel(dialog, "labelVersion", QRect(150, 60, 331, 31));
    labelVersion->setFont(pointFont(16));
    label = makeLabel(dialog, "label", QRect(90, 240, 351, 20));
    label->setFont(pointFont(12));
    label_2 = makeLabel(dialog, "label_2", QRect(190, 270, 181, 16));
    label_2->setFont(pointFont(12));
    // The web address is shown, not followed.
    label_2->setTextFormat(Qt::PlainText);

    applyTexts(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void AboutForm::applyTexts(QDialog* dialog)
{
    dialog->setWindowTitle(tr("About Quorvan"));
    labelLogo->setText(QString());
    labelTopo->setText(tr("Zarel :  Merax Remote Control"));
    labelVersion->setText(tr("Version: 1.1.2 (12/2019)"));
    label->setText(tr("Copyright \u00a9 2019 Zarel Radio Systems. All rights reserved."));
    label_2->setText(tr("www.zarel-radio.example"));
}
