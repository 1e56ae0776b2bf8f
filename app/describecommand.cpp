#include "describecommand.h"

#include <cstdio>
#include <string>

#include "commandline.h"
#include "model/form.h"
#include "model/language.h"
#include "model/resultlist.h"
#include "plotsteps.h"
#include "standardoutput.h"
#include "subcommands.h"

namespace oltrave::cli {

namespace {

// The list's lines, each ending in a line feed; a clear empties it as it
// empties the list.
class LineCollector : public ResultList {
public:
    void clear() override { text_.clear(); }
    void append(const std::string& line) override {
        text_ += line;
        text_ += '\n';
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

} // namespace

int runDescribe(const Invocation& invocation, char* programPath) {
    NoCanvas canvas;
    LineCollector list;
    return runOnForm(invocation, programPath, canvas, list, [&list](Form& form) {
        std::fwrite(list.text().data(), 1, list.text().size(), stdout);
        if (finishOutput(kExitOk) != kExitOk)
            return kExitFile;
        if (const auto failure = shownFailure(form)) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(failure->size()), failure->data());
            return kExitShownFailure;
        }
        return kExitOk;
    });
}

} // namespace oltrave::cli
