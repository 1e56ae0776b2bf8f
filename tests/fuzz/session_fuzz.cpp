#include "fuzzcheck.h"
#include "model/savedsession.h"
#include "platform/sessionfile.h"

using namespace oltrave;

// Any bytes: the reader refuses them with a reason or gives a session that
// passes the checks and reads back the same after writing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SessionReading reading = readSessionJson(bytes);
    if (!reading.session) {
        stopOn(reading.problem.isEmpty() ? "refused without a reason" : "");
        return 0;
    }
    stopOn(impossibleValue(*reading.session) ? "an impossible session was accepted" : "");
    const SessionReading again = readSessionJson(sessionJson(*reading.session));
    stopOn(again.session ? "" : "a written session was refused: " + again.problem.toStdString());
    stopOn(sessionJson(*again.session) == sessionJson(*reading.session)
               ? ""
               : "a session changed on its way through a file");
    return 0;
}
