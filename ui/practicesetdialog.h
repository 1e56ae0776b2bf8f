#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace oltrave {

// File > New Practice Set…: how many exercises, from which families, on
// which seed (a new one each time, or one typed to make a set again); then
// the set in the print preview.
class PracticeSetDialog : public QDialog {
    Q_OBJECT
public:
    explicit PracticeSetDialog(QWidget* parent);

    int count() const;
    quint64 seed() const;
    QList<int> families() const; // chooser numbers

    // Asks, then shows the set made from the answer in the print preview.
    static void askAndPreview(QWidget& window);

private:
    QSpinBox* count_;
    QLineEdit* seed_;
    QList<QCheckBox*> families_;
};

} // namespace oltrave
