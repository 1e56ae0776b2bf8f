#include "subcommands.h"

#include "analysecommand.h"
#include "classifycommand.h"
#include "describecommand.h"
#include "guimodule.h"
#include "intersectcommand.h"
#include "soundcommand.h"

namespace oltrave::cli {

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> table{
        {QStringLiteral("describe"), {QStringLiteral("session")}, {}, runDescribe},
        {QStringLiteral("render"),
         {QStringLiteral("output"), QStringLiteral("size"), QStringLiteral("keypoints"),
          QStringLiteral("analysis"), QStringLiteral("session"), QStringLiteral("grid"),
          QStringLiteral("fields")},
         {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")},
         runRenderInModule},
        {QStringLiteral("sound"), {QStringLiteral("output")}, {QStringLiteral("wav")}, runSound},
        {QStringLiteral("analyse"), {QStringLiteral("json")}, {}, runAnalyse},
        {QStringLiteral("intersect"),
         {QStringLiteral("json"), QStringLiteral("modes")},
         {},
         runIntersect,
         true},
        {QStringLiteral("classify"),
         {QStringLiteral("json"), QStringLiteral("from"), QStringLiteral("to")},
         {},
         runClassify,
         false,
         true,
         true},
        {QStringLiteral("exercises"),
         {QStringLiteral("output"), QStringLiteral("count"), QStringLiteral("seed"),
          QStringLiteral("families"), QStringLiteral("key")},
         {QStringLiteral("pdf")},
         runExercisesInModule,
         false,
         false},
    };
    return table;
}

const Subcommand* findSubcommand(const QString& word) {
    for (const Subcommand& command : subcommands()) {
        if (command.word == word)
            return &command;
    }
    return nullptr;
}

} // namespace oltrave::cli
