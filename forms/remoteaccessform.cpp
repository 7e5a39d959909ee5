#include "forms/remoteaccessform.h"

#include <QHeaderView>

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
}
