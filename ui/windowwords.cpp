// The main window's words said again when the language changes while it runs.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

#include "boxnotes.h"
#include "formcontrols.h"
#include "mainwindow.h"
#include "menuitemaccessible.h"
#include "model/familytable.h"
#include "retranslation.h"
#include "undoactions.h"
#include "windowmenus.h"

namespace oltrave {

void MainWindow::retranslate() {
    boxNotes_->clear(); // the boxes' own tooltips first
    sayAgain(this);
    if (auto* about = findChild<QAction*>(QStringLiteral("informationabout")))
        about->setText(WindowMenus::aboutCaption());
    for (QAction* entry : menuBar()->actions()) {
        if (QMenu* menu = entry->menu())
            menu->setAccessibleName(MenuItemAccessible::spoken(menu->title()));
    }
    for (int family = 0; family < familyCount(); ++family) {
        const std::string_view entry = inChosenLanguage(familyDescription(family)->entry);
        controls_->combotype->setItemText(
            family, QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    }
    undo_->retranslate();
    describeArea();
    mirror(); // the formula label and the boxes' marks
}

} // namespace oltrave
