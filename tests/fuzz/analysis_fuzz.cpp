#include <string>
#include <vector>

#include "analysischecks.h"
#include "fuzzcheck.h"

using namespace oltrave;
using namespace oltrave::testing;

// Three bytes choose the family, the mode and exact or decimal reading; the
// rest, split at line feeds, are the coefficient boxes' texts, cut to a box's
// length. Any analysis is made and written out: no crash, no hang and no
// exception from the exact engine may come of it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const FamilyDescription& family = *familyDescription(data[0] % familyCount());
    const int mode = data[1] % 4; // an unknown mode included
    const bool exact = data[2] % 2 == 1;
    std::vector<std::string> texts(1);
    for (char ch : asText(data + 3, size - 3)) {
        if (ch == '\n') {
            if (texts.size() == kBoxCount)
                break;
            texts.emplace_back();
        } else if (texts.back().size() < 30) {
            texts.back() += ch;
        }
    }
    const std::optional<Analysis> analysis =
        analyse(family, modeAt(mode), readCoefficients(texts, exact));
    if (analysis) {
        std::size_t written = 0;
        for (const AnalysisRow& row : analysisRows(*analysis))
            written += row.text().size();
        if (written == 0)
            stopOn("an analysis without rows");
    }
    return 0;
}
