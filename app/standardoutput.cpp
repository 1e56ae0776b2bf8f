#include "standardoutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cliwords.h"
#include "subcommands.h"

namespace oltrave::cli {

void writeOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void writeOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int finishOutput(int status) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && !std::ferror(stdout))
        return status;
    const int reason = errno;
    std::fprintf(
        stderr, "oltrave: %s: %s\n",
        qUtf8Printable(words(QT_TRANSLATE_NOOP("oltrave::cli", "cannot write standard output"))),
        reason != 0 ? std::strerror(reason) : "I/O error");
    return kExitFile;
}

} // namespace oltrave::cli
