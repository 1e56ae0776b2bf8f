#include "workedset.h"

#include "analysis/plotted.h"
#include "analysis/rows.h"

namespace oltrave {

WorkedSet::WorkedSet(const std::vector<Exercise>& exercises, const QString& heading,
                     const QString& title) {
    set_.heading = heading;
    set_.title = title;
    for (const Exercise& exercise : exercises) {
        One& one = worked_.emplace_back();
        one.form = std::make_unique<Form>(one.drawing, one.session);
        Form& form = *one.form;
        form.start();
        form.setExactValues(true);
        form.chooseFamily(exercise.family);
        for (int box = 0; box < kBoxCount; ++box)
            form.editBox(box, exercise.boxes[static_cast<std::size_t>(box)]);
        form.editZoom(exercise.zoom);
        form.clickMode(exercise.mode);
        form.plot();
        one.analysis = analysePlotted(form);
        if (!one.analysis || form.session().lines().empty() || !form.coefficient(0).exact) {
            complete_ = false;
            worked_.pop_back();
            continue;
        }
        PracticeItem item;
        item.formula = QString::fromStdString(form.session().lines().front().text);
        item.reach = form.zoom();
        item.questions = practiceQuestions(one.analysis->period.has_value());
        for (const AnalysisRow& row : analysisRows(*one.analysis))
            item.answers.push_back(
                {QString::fromStdString(row.name), QString::fromStdString(row.value)});
        item.drawing = &one.drawing;
        set_.items.push_back(std::move(item));
    }
}

} // namespace oltrave
