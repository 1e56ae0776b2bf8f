#include "practicesetdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <memory>
#include <random>

#include "model/catalogue.h"
#include "model/familytable.h"
#include "output/practiceset.h"
#include "output/workedset.h"
#include "programname.h"
#include "sheetprinting.h"

namespace oltrave {

namespace {

constexpr int kMostExercises = 50;
constexpr int kUsualCount = 6;

QString freshSeed() {
    std::random_device device;
    return QString::number(device() % 1000000);
}

} // namespace

PracticeSetDialog::PracticeSetDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("practiceset"));
    setWindowTitle(tr("New Practice Set"));
    auto* form = new QFormLayout;
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("practicecount"));
    count_->setRange(1, kMostExercises);
    count_->setValue(kUsualCount);
    form->addRow(tr("Exercises:"), count_);

    seed_ = new QLineEdit(freshSeed(), this);
    seed_->setObjectName(QStringLiteral("practiceseed"));
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), seed_));
    auto* another = new QPushButton(tr("Another"), this);
    connect(another, &QPushButton::clicked, this, [this] { seed_->setText(freshSeed()); });
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(seed_);
    seedRow->addWidget(another);
    form->addRow(tr("Seed (the same seed, the same set):"), seedRow);

    auto* grid = new QGridLayout;
    for (int family = 0; family < familyCount(); ++family) {
        const std::string_view entry = inChosenLanguage(familyDescription(family)->entry);
        auto* box = new QCheckBox(
            QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())), this);
        box->setObjectName(QStringLiteral("practicefamily%1").arg(family));
        box->setChecked(true);
        grid->addWidget(box, family / 2, family % 2);
        families_ << box;
    }
    form->addRow(tr("Families:"), grid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A set needs a family and a seed.
    const auto check = [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(!seed_->text().isEmpty() && !families().isEmpty());
    };
    connect(seed_, &QLineEdit::textChanged, this, check);
    for (QCheckBox* box : families_)
        connect(box, &QCheckBox::toggled, this, check);
    form->addRow(buttons);
    setLayout(form);
}

int PracticeSetDialog::count() const {
    return count_->value();
}

quint64 PracticeSetDialog::seed() const {
    return seed_->text().toULongLong();
}

QList<int> PracticeSetDialog::families() const {
    QList<int> chosen;
    for (qsizetype i = 0; i < families_.size(); ++i) {
        if (families_[i]->isChecked())
            chosen << static_cast<int>(i);
    }
    return chosen;
}

void PracticeSetDialog::askAndPreview(QWidget& window) {
    PracticeSetDialog dialog(&window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<int> chosen = dialog.families();
    const std::vector<int> families(chosen.begin(), chosen.end());
    auto worked =
        std::make_shared<const WorkedSet>(drawExercises(families, dialog.count(), dialog.seed()),
                                          programName(), practiceTitle(dialog.seed()));
    if (!worked->complete()) {
        QMessageBox::warning(&window, dialog.windowTitle(),
                             tr("A practice set needs exact values, which are not available."));
        return;
    }
    previewDocument(window, worked->pages().title,
                    [worked](QPainter& painter, QPagedPaintDevice& device, const QRectF& page) {
                        return paintPracticeSet(painter, device, page, worked->pages());
                    });
}

} // namespace oltrave
