#include "gridscale.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "platform/canvaswidget.h"

namespace oltrave::gridscale {

void install(CanvasWidget& area, QMenu& view) {
    QAction* item = view.addAction(QCoreApplication::translate("GridScale", "Grid and Scale"));
    item->setObjectName(QStringLiteral("gridscale"));
    item->setCheckable(true);
    QObject::connect(item, &QAction::toggled, &area, [&area](bool on) { area.setGrid(on); });
}

} // namespace oltrave::gridscale
