#include "exercisescommand.h"

#include <QApplication>
#include <QBuffer>
#include <QHashFunctions>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <cstdio>
#include <random>

#include "analysis/exercises.h"
#include "analysisjson.h"
#include "cliwords.h"
#include "commandline.h"
#include "output/practiceset.h"
#include "output/workedset.h"
#include "platform/savefile.h"
#include "platform/translation.h"
#include "plotsteps.h"
#include "subcommands.h"
#include "ui/programname.h"

namespace oltrave::cli {

namespace {

// The PDF writer stamps the moment of writing into the file; a set made again
// from its seed is the same file, so the stamp is the same every time, its
// length kept so that no offset in the file moves.
void steadyStamps(QByteArray& pdf) {
    static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:([0-9+\\-Z']+)\\)"));
    const QString latin = QString::fromLatin1(pdf);
    QRegularExpressionMatchIterator it = stamp.globalMatch(latin);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        for (qsizetype i = m.capturedStart(1); i < m.capturedEnd(1); ++i) {
            if (pdf[i] >= '0' && pdf[i] <= '9')
                pdf[i] = '0';
        }
    }
}

} // namespace

int runExercises(const Invocation& invocation, char* programPath) {
    // The PDF writer lists the faces in its hash tables' order: the same on
    // every run only with the same hash seed.
    QHashSeed::setDeterministicGlobalSeed();
    int argc = 3;
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* argv[] = {programPath, platform, offscreen, nullptr};
    const QApplication app(argc, argv);
    useLanguage(commandLanguage(invocation.lang));
    speak(commandLanguage(invocation.lang));

    const PracticeRequest& request = invocation.practice;
    const quint64 seed = request.seed ? *request.seed
                                      : (static_cast<quint64>(std::random_device{}()) << 32) ^
                                            std::random_device{}();
    const std::vector<int> families(request.families.begin(), request.families.end());
    const std::vector<Exercise> exercises = drawExercises(families, request.count, seed);

    const WorkedSet worked(exercises, programName(), practiceTitle(seed));
    if (!worked.complete()) {
        // Answers that are not what they claim are worse than none.
        std::fprintf(
            stderr, "oltrave: %s\n",
            qUtf8Printable(words(QT_TRANSLATE_NOOP(
                "oltrave::cli", "the exercises need exact values, which are not available"))));
        return kExitShownFailure;
    }
    QJsonArray key;
    for (std::size_t i = 0; i < worked.size(); ++i)
        key.append(plottedAnalysisJson(worked.form(i), worked.analysis(i)));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writePracticeSetPdf(buffer, worked.pages())) {
        std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(outOfMemory()));
        return kExitFile;
    }
    QByteArray pdf = buffer.data();
    steadyStamps(pdf);
    QString error = saveFile(invocation.output, [&pdf](QIODevice& device, QString&) {
        return device.write(pdf) == pdf.size();
    });
    if (error.isEmpty() && !request.key.isEmpty()) {
        const QByteArray json = QJsonDocument(key).toJson(QJsonDocument::Indented);
        error = saveFile(request.key, [&json](QIODevice& device, QString&) {
            return device.write(json) == json.size();
        });
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "oltrave: %s\n", qUtf8Printable(error));
        return kExitFile;
    }
    return kExitOk;
}

} // namespace oltrave::cli
