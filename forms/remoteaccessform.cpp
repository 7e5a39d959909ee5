#include "forms/remoteaccessform.h"

#include <QHeaderView>
#include <QPushButton>

#include "forms/theme.h"

void RemoteAccessForm::build(QDialog* dialog)
{
    // Themed before the widgets exist, as every form is (see LanForm::build).
    applyDialogTheme(dialog);
    setupUi(dialog);
    // The name takes the room, the role what it needs.
    treeUsers->header()->setStretchLastSection(false);
    treeUsers->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    treeUsers->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    // Sized for the theme's bold buttons, not for the form's smaller font
    // the grid rows were first measured with.
    for (QPushButton* button :
         {buttonBrowseCertificate, buttonBrowseKey, buttonCopy, buttonAddUser, buttonRemoveUser}) {
        button->ensurePolished();
        button->setMinimumHeight(button->sizeHint().height());
    }
}
