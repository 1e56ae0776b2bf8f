#pragma once

#include <QHash>
#include <QLabel>
#include <QStringList>
#include <array>
#include <optional>

#include "analysis/classify.h"

namespace oltrave {

// Under the sliders: the pieces of one coefficient's range on which the
// curve keeps its shape, the boundaries written exactly, the piece holding
// the slider's value in bold. The pieces are worked out again only when
// something other than that coefficient's value changes.
class ShapeStrip : public QLabel {
    Q_OBJECT
public:
    explicit ShapeStrip(QWidget* parent = nullptr);

    // The family's curve in mode with coef, the coefficient numbered
    // parameter (called name) moving over [from, to].
    void follow(const FamilyDescription& family, AbsMode mode, const RealCoefficients& coef,
                int parameter, const QString& name, double from, double to);
    void clear();

    // The pieces as shown, one per entry, for tests and screen readers.
    QStringList pieceTexts() const;

    // As tall as the tallest of its texts for the pieces it follows, whichever
    // is in bold: a slider moved across them does not move the rows below.
    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void show(double value);
    static QString stripText(const QStringList& texts, const QList<qsizetype>& bold);

    struct Asked {
        const FamilyDescription* family = nullptr;
        AbsMode mode = AbsMode::Plain;
        int parameter = 0;
        std::array<double, 4> others{}; // the coefficients held
        bool exact = false;
        double from = 0;
        double to = 0;
        friend bool operator==(const Asked&, const Asked&) = default;
    };
    std::optional<Asked> asked_;
    ShapeClassification pieces_;
    QString name_;
    // The texts the strip can show for its pieces, and their heights by width.
    QStringList variants_;
    mutable QHash<int, int> heights_;
};

} // namespace oltrave
