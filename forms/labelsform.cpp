#include "forms/labelsform.h"
#include "forms/formhelpers.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTextEdit>

#include "forms/theme.h"

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("labels", text);
}

// Captions above the editors are drawn in normal weight.
QLabel* makeCaption(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* caption = new QLabel(parent);
    caption->setObjectName(name);
    caption->setGeometry(geometry);
    QFont font = pointFont(11);
    font.setBold(false);
    font.setWeight(50);
    caption->setFont(font);
    return caption;
}

// Each editor shows at most five characters a line, like a panel button.
QTextEdit* makeEditor(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* editor = new QTextEdit(parent);
    editor->setObjectName(name);
    editor->setGeometry(geometry);
    editor->setFont(pointFont(13));
    editor->setLineWrapMode(QTextEdit::FixedColumnWidth);
    editor->setLineWrapColumnOrWidth(5);
    return editor;
}

QString antennaCaptionName(int n)
{
    return n <= 6 ? numbered("label_A", n) : numbered("label_A6_", n - 5);
}

QRect antennaCaptionRect(int n)
{
    switch (n) {
    case 8:
        return QRect(610, 60, 51, 16);
    case 10:
    case 11:
    case 12:
        return QRect(770 + 80 * (n - 10), 60, 51, 16);
    default:
        return QRect(60 + 80 * (n - 1), 60, 41, 16);
    }
}

// One row of eight GPIO editors with their captions inside a frame.
void buildGpioRow(QFrame* frame, int firstCaptionNumber, const char* editorStem, QLabel** captions, QTextEdit** editors)
{
    for (int n = 1; n <= 8; ++n) {
        captions[n - 1] =
            makeCaption(frame, numbered("label_A1_", firstCaptionNumber + n - 1), QRect(10 + 60 * (n - 1), 10, 51, 16));
    }
    for (int n = 1; n <= 8; ++n) {
        editors[n - 1] = makeEditor(frame, numbered(editorStem, n), QRect(10 + 60 * (n - 1), 30, 51, 41));
    }
}

} // namespace

void LabelsForm::build(QDialog* dialog)
{
    if (dialog->objectName().isEmpty()) {
        dialog->setObjectName(QStringLiteral("labels"));
    }
    dialog->resize(1056, 359);
    dialog->setFont(pointFont(10));
    dialog->setStyleSheet(dialogStyleSheet());

    labelID = new QLabel(dialog);
    labelID->setObjectName(QStringLiteral("labelID"));
    labelID->setGeometry(QRect(220, 20, 41, 31));
    labelID->setFont(pointFont(14));
    lineEditID = new QLineEdit(dialog);
    lineEditID->setObjectName(QStringLiteral("lineEditID"));
    lineEditID->setGeometry(QRect(270, 20, 521, 31));
    lineEditID->setFont(pointFont(12));
    lineEditID->setMaxLength(50);
    lineEditID->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    for (int n = 1; n <= 12; ++n) {
        antennaCaptions[n - 1] = makeCaption(dialog, antennaCaptionName(n), antennaCaptionRect(n));
    }
    for (int n = 1; n <= 12; ++n) {
        antennaEditors[n - 1] = makeEditor(dialog, numbered("teA", n), QRect(40 + 80 * (n - 1), 80, 71, 61));
    }

    frameGPIs = makeFrame(dialog, "frameGPIs", QRect(260, 150, 491, 80));
    buildGpioRow(frameGPIs, 10, "teGPI", gpiCaptions, gpiEditors);
    frameGPOs = makeFrame(dialog, "frameGPOs", QRect(260, 240, 491, 81));
    buildGpioRow(frameGPOs, 2, "teGPO", gpoCaptions, gpoEditors);

    botaoOK = new QPushButton(dialog);
    botaoOK->setObjectName(QStringLiteral("botaoOK"));
    botaoOK->setGeometry(QRect(820, 280, 71, 23));
    botaoCancel = new QPushButton(dialog);
    botaoCancel->setObjectName(QStringLiteral("botaoCancel"));
    botaoCancel->setGeometry(QRect(900, 280, 71, 23));

    applyTexts(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void LabelsForm::applyTexts(QDialog* dialog)
{
    dialog->setWindowTitle(tr("Merax Label Config"));
    labelID->setText(tr("ID:"));
    // Translation keys are the literal captions, so they are spelled out.
    static const char* const antennaTexts[12] = {"Ant 1", "Ant 2", "Ant 3", "Ant 4",  "Ant 5",  "Ant 6",
                                                 "Ant 7", "Ant 8", "Ant 9", "Ant 10", "Ant 11", "Ant 12"};
    static const char* const gpiTexts[8] = {" GPI 1", " GPI 2", " GPI 3", " GPI 4",
                                            " GPI 5", " GPI 6", " GPI 7", " GPI 8"};
    static const char* const gpoTexts[8] = {" GPO 1", " GPO 2", " GPO 3", " GPO 4",
                                            " GPO 5", " GPO 6", " GPO 7", " GPO 8"};
    for (int i = 0; i < 12; ++i) {
        antennaCaptions[i]->setText(tr(antennaTexts[i]));
    }
    for (int i = 0; i < 8; ++i) {
        gpiCaptions[i]->setText(tr(gpiTexts[i]));
        gpoCaptions[i]->setText(tr(gpoTexts[i]));
    }
    botaoOK->setText(tr("OK"));
    botaoCancel->setText(tr("Cancel"));
}
