// Layout and scaling: the three design sizes, proportional re-placement on
// every resize and caption pixel sizes that follow the window's width.
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "panel/anchorlayout.h"

void setFontPixelSize(QWidget* widget, int size)
{
    QFont font = widget->font();
    font.setPixelSize(static_cast<short>(size));
    widget->setFont(font);
}

void MainWindow::registerAnchoredWidgets()
{
    QWidget* const fixed[] = {ui->frame, ui->frame_GPIs, ui->frame_RTX, ui->botaoTeclaRTX};
    for (QWidget* widget : fixed) {
        anchorLayout->anchorWidget(AnchorScale, AnchorScale, AnchorScale, AnchorScale, widget);
    }
    const auto anchorAll = [this](auto* const* widgets, int count) {
        for (int i = 0; i < count; ++i) {
            anchorLayout->anchorWidget(AnchorScale, AnchorScale, AnchorScale, AnchorScale, widgets[i]);
        }
    };
    anchorAll(ui->rxButtons, group::Receivers);
    anchorAll(&ui->labelSkyrail, 1);
    anchorAll(ui->gpiButtons, group::Gpis);
    anchorAll(ui->gpiLabels, group::Gpis);
    anchorAll(ui->gpoButtons, group::Gpos);
    anchorAll(ui->gpoLabels, group::Gpos);
    anchorAll(ui->busyButtons, group::Antennas);
    anchorAll(ui->rotorButtons, group::Rotors);
    anchorAll(ui->antennaButtons, group::Antennas);
    QWidget* const tail[] = {ui->botaoSplit, ui->botaoPower, ui->botaoSend, ui->botaoRelease};
    anchorAll(tail, 4);
    anchorAll(ui->antennaLabels, group::Antennas);
    QWidget* const headings[] = {ui->label_Quorvan, ui->label, ui->label_2, ui->labelID};
    anchorAll(headings, 4);
}

void MainWindow::updateUISize()
{
    const QSize size = designWindowSize(ui->actionGPIO->isChecked(), ui->actionSkyrail_WF->isChecked());
    resize(size);
    anchorLayout->rebase();
    placeLogo();
}

// The logo's design place lies below the central area of the two shorter
// windows, so it gets a place of its own for each design size, scaled like
// every other widget.
void MainWindow::placeLogo()
{
    const QRect reference = anchorLayout->referenceRectangle();
    ui->label_Quorvan->setGeometry(
        scaleDesignRect(logoRectFor(reference.size()), width(), height(), reference.width(), reference.height()));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (anchorLayout == nullptr) {
        return;
    }
    anchorLayout->relayout();
    placeLogo();
    resizeAllTexts(baseTextSize(width()));
}

void MainWindow::resizeAllTexts(short size)
{
    const auto apply = [](auto* const* widgets, int count, int pixels) {
        for (int i = 0; i < count; ++i) {
            setFontPixelSize(widgets[i], pixels);
        }
    };
    apply(ui->busyButtons, group::Antennas, size - 1);
    apply(ui->antennaButtons, group::Antennas, size + 1);
    QWidget* const commands[] = {ui->botaoRelease, ui->botaoSplit, ui->botaoSend, ui->botaoPower};
    apply(commands, 4, size);
    apply(ui->rotorButtons, group::Rotors, size - 1);
    apply(ui->antennaLabels, group::Antennas, size);
    apply(&ui->botaoTeclaRTX, 1, size);
    apply(ui->rxButtons, group::Receivers, size);
    setFontPixelSize(ui->labelSkyrail, size + 3);
    setFontPixelSize(ui->label, size + 3);
    setFontPixelSize(ui->label_2, size - 2);
    apply(ui->gpiLabels, group::Gpis, size);
    apply(ui->gpoLabels, group::Gpos, size);
    apply(ui->gpiButtons, group::Gpis, size);
    apply(ui->gpoButtons, group::Gpos, size);
    setFontPixelSize(ui->labelID, size + 8);
    fitCaptions();
}

// The operator's captions on the antenna and GPIO keys, and the station ID:
// a text that does not fit its place at the scaled size, in width or in
// height (captions run to several lines), is drawn smaller rather than
// clipped. Measured with the font the widget draws with, style sheet applied.
void MainWindow::fitCaptions()
{
    const auto fit = [](QWidget* widget, const QRect& room, const QString& text) {
        QFont font = widget->font();
        const int wanted = font.pixelSize();
        const int pixels = fittingPixelSize(wanted, 7, room.size(), [&font, &text](int size) {
            font.setPixelSize(size);
            return QFontMetrics(font).size(Qt::TextShowMnemonic, text);
        });
        if (pixels != wanted) {
            setFontPixelSize(widget, pixels);
        }
    };
    const auto fitKey = [&fit](QPushButton* button) {
        QStyleOptionButton option;
        option.initFrom(button);
        fit(button, button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button), button->text());
    };
    for (QPushButton* button : ui->antennaButtons) {
        fitKey(button);
    }
    for (QPushButton* button : ui->gpiButtons) {
        fitKey(button);
    }
    for (QPushButton* button : ui->gpoButtons) {
        fitKey(button);
    }
    // The line's full height, so an ID with descenders keeps them.
    fit(ui->labelID, ui->labelID->contentsRect(), ui->labelID->text());
}
