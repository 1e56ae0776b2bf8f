#include "describecommand.h"

#include <cstdio>
#include <string>

#include "commandline.h"
#include "model/form.h"
#include "model/language.h"
#include "plotsteps.h"
#include "standardoutput.h"
#include "subcommands.h"

namespace oltrave::cli {

int runDescribe(const Invocation& invocation, char* programPath) {
    NoCanvas canvas;
    return runOnForm(invocation, programPath, canvas, [](Form& form) {
        // The list's lines, each ending in a line feed.
        std::string text;
        for (const SessionLine& line : form.session().lines()) {
            text += line.text;
            text += '\n';
        }
        writeOut(text);
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
