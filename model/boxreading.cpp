#include "boxreading.h"

#include "exact/exactwriter.h"
#include "form.h"
#include "numtext.h"

namespace oltrave {

namespace {

DecimalReading decimalKind(const NumvalScan& scan) {
    if (!scan.digits)
        return scan.ignored.empty() ? DecimalReading::Empty : DecimalReading::NotANumber;
    if (!scan.value)
        return DecimalReading::Overflow;
    return scan.ignored.empty() ? DecimalReading::Whole : DecimalReading::Partial;
}

} // namespace

bool BoxReading::noteworthy() const {
    const bool decimalWhole = decimal == DecimalReading::Whole || decimal == DecimalReading::Empty;
    // Without the exact engine the decimal reading is what counts.
    if (exactMode && refusal != ExactRefusal::NoEngine)
        return refusal != ExactRefusal::None;
    return !decimalWhole;
}

BoxReading readBox(std::string_view text, bool exactMode, std::optional<double> previous) {
    BoxReading reading;
    reading.exactMode = exactMode;
    const NumvalScan scan = numvalScan(text);
    reading.decimal = decimalKind(scan);
    reading.ignored = scan.ignored;
    if (scan.value) {
        reading.used = *scan.value;
    } else {
        reading.previousKept = previous.has_value();
        reading.used = previous.value_or(0.0);
    }
    if (exactMode) {
        const ExactAttempt exact = attemptExact(text);
        reading.refusal = exact.refusal;
        if (exact.reading)
            reading.used = exact.reading->nearest;
    } else if (reading.noteworthy()) {
        if (const std::optional<ExactReading> exact = readExact(text))
            reading.exactText = writeExact(exact->value);
    }
    return reading;
}

BoxNote coefficientNote(const Form& form, int box) {
    const std::string& text = form.boxText(box);
    return {BoxKind::Coefficient, box, text,
            readBox(text, form.exactValues(), form.coef()[static_cast<std::size_t>(box)])};
}

BoxNote xNote(const Form& form) {
    // A fresh x each time: an overflow reads as 0.
    return {BoxKind::X, 0, form.xText(), readBox(form.xText(), form.exactValues(), std::nullopt)};
}

BoxNote zoomNote(const Form& form) {
    // The zoom box is read in decimals in either mode.
    return {BoxKind::Zoom, 0, form.zoomText(), readBox(form.zoomText(), false, form.zoom())};
}

std::vector<BoxNote> noteworthyBoxes(const Form& form) {
    std::vector<BoxNote> notes;
    for (int box = 0; box < kBoxCount; ++box) {
        if (form.boxVisible(box))
            notes.push_back(coefficientNote(form, box));
    }
    notes.push_back(xNote(form));
    notes.push_back(zoomNote(form));
    std::erase_if(notes, [](const BoxNote& note) { return !note.reading.noteworthy(); });
    return notes;
}

} // namespace oltrave
