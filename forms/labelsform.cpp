#include "forms/labelsform.h"

#include <QCoreApplication>

#include "forms/formhelpers.h"
#include "forms/theme.h"

void LabelsForm::build(QDialog* dialog)
{
    // Themed before the widgets exist, as every form is (see LanForm::build).
    applyDialogTheme(dialog);
    setupUi(dialog);

    fillGroup(antennaEditors, teA1, teA2, teA3, teA4, teA5, teA6, teA7, teA8, teA9, teA10, teA11, teA12);
    fillGroup(gpiEditors, teGPI1, teGPI2, teGPI3, teGPI4, teGPI5, teGPI6, teGPI7, teGPI8);
    fillGroup(gpoEditors, teGPO1, teGPO2, teGPO3, teGPO4, teGPO5, teGPO6, teGPO7, teGPO8);

    // By keyboard and by ear: Tab leaves a caption (Return still breaks its
    // line), each caption is named by its key, and Tab reads the dialog in
    // order, the ID first and OK and Cancel last.
    labelID->setBuddy(lineEditID);
    QWidget* previous = lineEditID;
    const auto next = [&previous](QTextEdit* editor, const QString& key) {
        editor->setTabChangesFocus(true);
        //: The name a screen reader gives a caption field, "Ant 1 caption".
        editor->setAccessibleName(QCoreApplication::translate("labels", "%1 caption").arg(key));
        // A screen reader reads a field by its wrapped lines, so a caption
        // would be heard only up to its first: the description holds it whole.
        const auto describe = [editor] {
            editor->setAccessibleDescription(editor->toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        };
        QObject::connect(editor, &QTextEdit::textChanged, editor, describe);
        QWidget::setTabOrder(previous, editor);
        previous = editor;
    };
    for (int i = 0; i < group::Antennas; ++i) {
        next(antennaEditors[i], QStringLiteral("Ant %1").arg(i + 1));
    }
    for (int i = 0; i < group::Gpis; ++i) {
        next(gpiEditors[i], QStringLiteral("GPI %1").arg(i + 1));
    }
    for (int i = 0; i < group::Gpos; ++i) {
        next(gpoEditors[i], QStringLiteral("GPO %1").arg(i + 1));
    }
    QWidget::setTabOrder(previous, botaoOK);
    QWidget::setTabOrder(botaoOK, botaoCancel);

    // OK and Cancel keep their design gap, growing to the left.
    const int gap = botaoCancel->x() - botaoOK->geometry().right() - 1;
    widenLeftToText(botaoCancel);
    widenLeftToText(botaoOK, botaoCancel->x() - gap - 1);
}
