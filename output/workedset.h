#pragma once

#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/exercises.h"
#include "curverecorder.h"
#include "model/analysisfacts.h"
#include "model/form.h"
#include "model/session.h"
#include "practiceset.h"

namespace oltrave {

// A practice set worked out as the window would: each exercise typed into a
// form of its own with Exact Values on, printed, and analysed.
class WorkedSet {
public:
    WorkedSet(const std::vector<Exercise>& exercises, const QString& heading, const QString& title);
    WorkedSet(const WorkedSet&) = delete;
    WorkedSet& operator=(const WorkedSet&) = delete;

    // Every exercise gave a function with its answers in exact form: false
    // without the exact engine, whose answers would be decimals.
    bool complete() const { return complete_; }
    const PracticeSet& pages() const { return set_; }
    std::size_t size() const { return worked_.size(); }
    const Form& form(std::size_t i) const { return *worked_[i].form; }
    const Analysis& analysis(std::size_t i) const { return *worked_[i].analysis; }

private:
    struct One {
        CurveRecorder drawing;
        Session session;
        std::unique_ptr<Form> form;
        std::optional<Analysis> analysis;
    };
    std::deque<One> worked_;
    PracticeSet set_;
    bool complete_ = true;
};

} // namespace oltrave
