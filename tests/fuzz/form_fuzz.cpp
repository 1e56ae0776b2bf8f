#include "actions.h"
#include "fuzzcheck.h"

using namespace oltrave::testing;

// The bytes choose a sequence of user actions on a started form; every action
// must leave the form's invariants standing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each plot samples 20001 points: a few per input keep the fuzzer quick.
    constexpr int kMostPlots = 6;
    ByteChoices source(data, size);
    Watch watch;
    int plots = 0;
    while (!source.exhausted()) {
        const Action action = nextAction(source, watch.form);
        if ((action.command == Command::Plot || action.command == Command::Replot) &&
            ++plots > kMostPlots)
            continue;
        const std::string fault = watch.run(action);
        stopOn(fault.empty() ? fault : describe(action) + ": " + fault);
    }
    return 0;
}
