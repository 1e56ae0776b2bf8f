#pragma once

// Building an analysis from box texts as Print reads them, for the tables,
// the property test and the fuzz target.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/rows.h"
#include "exact/exactreader.h"
#include "model/familytable.h"
#include "model/numtext.h"

namespace oltrave::testing {

inline const FamilyDescription& familyNamed(std::string_view name) {
    for (int i = 0; i < familyCount(); ++i) {
        if (familyDescription(i)->name == name)
            return *familyDescription(i);
    }
    return *familyDescription(0);
}

// Each text read exactly when asked and the grammar allows, else as a decimal.
inline RealCoefficients readCoefficients(const std::vector<std::string>& texts, bool exact) {
    RealCoefficients coef;
    for (std::size_t i = 0; i < texts.size() && i < coef.size(); ++i) {
        if (exact) {
            if (const std::optional<ExactReading> r = readExact(texts[i])) {
                coef[i] = Real{r->nearest, r->value};
                continue;
            }
        }
        coef[i] = Real(numval(texts[i]).value_or(0));
    }
    if (exact) {
        for (std::size_t i = texts.size(); i < coef.size(); ++i)
            coef[i] = Real{0, ExactValue::integer(0)};
    }
    return coef;
}

inline std::optional<Analysis> analysisOf(std::string_view family, int mode,
                                          const std::vector<std::string>& texts, bool exact) {
    return analyse(familyNamed(family), mode, readCoefficients(texts, exact));
}

inline std::vector<std::string> rowTexts(const Analysis& analysis) {
    std::vector<std::string> texts;
    for (const AnalysisRow& row : analysisRows(analysis))
        texts.push_back(row.text());
    return texts;
}

} // namespace oltrave::testing
