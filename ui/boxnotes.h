#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "model/boxreading.h"
#include "model/familytable.h"

class QLineEdit;

namespace oltrave {

class Form;

// Marks the boxes whose texts the next command would not read whole: a thin
// amber line along the box's foot, which moves nothing, and a tooltip and an
// accessible description that say what is read instead.
class BoxNotes : public QObject {
    Q_OBJECT
public:
    BoxNotes(const Form& form, const std::array<QLineEdit*, kBoxCount>& coefficients, QLineEdit* x,
             QLineEdit* zoom, QObject* parent = nullptr);

    // Brings every mark up to the form's texts and mode.
    void refresh();
    // Takes every mark away, giving the boxes back their own tooltips.
    void clear();

    // What a mark says.
    static QString noteText(const BoxReading& reading);

private:
    void show(QLineEdit* box, const QString& note);

    const Form& form_;
    std::array<QLineEdit*, kBoxCount> coefficients_;
    QLineEdit* x_;
    QLineEdit* zoom_;
};

} // namespace oltrave
