#pragma once

#include <QObject>
#include <array>

#include "model/familytable.h"
#include "model/form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;

namespace oltrave {

class CanvasWidget;
class LongListView;
class ModeButton;
class PictureButton;

// The working window's controls, each at its place in the layout table and
// under the name the scenarios and the tests use.
class FormControls : public QObject {
    Q_OBJECT
public:
    // Builds them on a new client area of the window, in the product face.
    FormControls(QMainWindow& window, const QString& face);

    // The Tab order, and tips that name the commands' shortcuts (the window's
    // actions, found by name).
    void orderAndExplain(QWidget& window);

    QComboBox* combotype = nullptr;
    QLabel* labelv = nullptr;
    CanvasWidget* pic = nullptr;
    std::array<ModeButton*, Form::kModeCount> llabs{};
    std::array<QLabel*, kBoxCount> lb{};
    std::array<QLineEdit*, kBoxCount> tx{};
    PictureButton* prt = nullptr;
    PictureButton* rprt = nullptr;
    PictureButton* cleara = nullptr;
    PictureButton* calc = nullptr;
    QGroupBox* frame1 = nullptr;
    QLineEdit* setx = nullptr;
    QLineEdit* setdata = nullptr;
    LongListView* lis = nullptr;
};

// What a screen reader announces for a box: its caption without the " =".
QString accessibleCaption(QString caption);

} // namespace oltrave
