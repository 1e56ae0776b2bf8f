#include "soundcommand.h"

#include <cstdio>

#include "commandline.h"
#include "model/form.h"
#include "platform/soundfile.h"
#include "plotsteps.h"
#include "sound/curvesound.h"
#include "subcommands.h"

namespace oltrave::cli {

int runSound(const Invocation& invocation, char* programPath) {
    NoCanvas canvas;
    return runOnForm(invocation, programPath, canvas, [&invocation](Form& form) {
        // With no curve there is nothing to hear; an old file stays as it was.
        const std::optional<DrawnCurve> curve = sound::plottedCurve(form);
        if (const auto failure = shownFailure(form); failure || !curve) {
            const std::string_view text = failure.value_or("no curve");
            std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
            return kExitShownFailure;
        }
        const QString error =
            saveSoundFile(invocation.output, sound::renderCurve(*curve, form.zoom()));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(error));
            return kExitFile;
        }
        return kExitOk;
    });
}

} // namespace oltrave::cli
