// Where the program finds its modules and what it refuses: the relative rule
// in the build tree and in an installed tree, a program whose binary is
// replaced while it runs, modules planted around the current folder, and
// modules of another version, cut short, or of another kind.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kProgram = QStringLiteral(OLTRAVE_PROGRAM);
const QString kProbe = QStringLiteral(OLTRAVE_PROBE);
const QString kTestModules = QStringLiteral(OLTRAVE_TEST_MODULES);
const QString kModuleDir = QStringLiteral(OLTRAVE_MODULE_DIR);
const QString kPlanted = QStringLiteral("planted module ran");
const QString kExactLine = QStringLiteral("x ( 0 ) = 1 - √2");
const QStringList kExactDescribe{"describe", "--exact", "quadratic", "1", "-2", "-1"};

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments, const QString& folder = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

bool copy(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    return QFile::copy(from, to);
}

bool truncate(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.resize(size);
}

// Clears a 64-bit ELF file's section header table offset and count, as a
// file stripped of them has.
bool withoutSectionHeaders(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray none(8, '\0');
    return file.seek(0x28) && file.write(none) == 8 && file.seek(0x3C) &&
           file.write(none.left(2)) == 2;
}

// The probe's answer to one request.
QString ask(QProcess& probe, const QString& request) {
    probe.write(request.toUtf8() + '\n');
    while (!probe.canReadLine()) {
        if (!probe.waitForReadyRead(30000))
            return QStringLiteral("(no answer; the probe said %1)")
                .arg(QString::fromUtf8(probe.readAllStandardError()));
    }
    return QString::fromUtf8(probe.readLine()).chopped(1);
}

} // namespace

class ModuleLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        installed_ = dir_.filePath(QStringLiteral("installed"));
        install(installed_);
        // A current folder with a copy of every module where a rule relative
        // to it would look: beside it, and at the installed place below it.
        planted_ = dir_.filePath(QStringLiteral("planted/bin"));
        const QString plant = kTestModules + QStringLiteral("/oltrave-test-planted.so");
        for (const char* name :
             {"oltrave-exact.so", "oltrave-gui.so", "oltrave-sound.so", "oltrave-print.so",
              "oltrave-svg.so"}) {
            QVERIFY(copy(plant, planted_ + '/' + name));
            QVERIFY(copy(plant, QStringLiteral("%1/../%2/%3").arg(planted_, kModuleDir, name)));
        }
    }

    // One rule, relative to the program: from the build tree and installed,
    // whatever the current folder holds.
    void programFindsItsModulesBesideItself_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("build tree") << kProgram;
        QTest::newRow("installed")
            << QStringLiteral("%1/%2/oltrave").arg(installed_, QStringLiteral(OLTRAVE_BIN_DIR));
    }
    void programFindsItsModulesBesideItself() {
        QFETCH(QString, program);
        const Run exact = run(program, kExactDescribe, planted_);
        QCOMPARE(exact.status, 0);
        QVERIFY2(exact.out.contains(kExactLine), qPrintable(exact.out + exact.err));
        QVERIFY(!exact.out.contains(kPlanted));
        const QString svg = dir_.filePath(QStringLiteral("exact.svg"));
        const Run render =
            run(program, {"render", "--exact", "-o", svg, "quadratic", "1", "-2", "-1"}, planted_);
        QCOMPARE(render.status, 0);
        QVERIFY(QFile::exists(svg));
        QVERIFY2(!render.out.contains(kPlanted), qPrintable(render.out));
    }

    void probeFindsTheBuildTreesModuleFolder() {
        QProcess probe;
        probe.setWorkingDirectory(planted_);
        probe.start(kProbe, QStringList());
        QVERIFY(probe.waitForStarted());
        QCOMPARE(ask(probe, QStringLiteral("folder")),
                 QStringLiteral("folder: ") +
                     QDir::cleanPath(QStringLiteral(OLTRAVE_BUILT_MODULES)));
        QCOMPARE(ask(probe, QStringLiteral("oltrave-exact.so")), QStringLiteral("loaded"));
        probe.closeWriteChannel();
        QVERIFY(probe.waitForFinished());
        QCOMPARE(probe.exitCode(), 0);
    }

    // As an upgrade does: the binary's file is replaced while it runs, and
    // the next module still comes from the folder the program started in.
    void replacedProgramKeepsItsFolder() {
        const QString bin =
            QStringLiteral("%1/%2").arg(installed_, QStringLiteral(OLTRAVE_BIN_DIR));
        const QString probePath = bin + QStringLiteral("/oltrave-probe");
        QVERIFY(copy(kProbe, probePath));
        QProcess probe;
        probe.setWorkingDirectory(planted_);
        probe.start(probePath, QStringList());
        QVERIFY(probe.waitForStarted());
        const QString folder = QDir::cleanPath(installed_ + '/' + kModuleDir);
        QCOMPARE(ask(probe, QStringLiteral("folder")), QStringLiteral("folder: ") + folder);

        QVERIFY(QFile::remove(probePath));
        QVERIFY(copy(kProbe, probePath));
        const QString exe =
            QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(probe.processId()));
        QVERIFY2(exe.endsWith(QStringLiteral(" (deleted)")), qPrintable(exe));

        QCOMPARE(ask(probe, QStringLiteral("folder")), QStringLiteral("folder: ") + folder);
        QCOMPARE(ask(probe, QStringLiteral("oltrave-exact.so")), QStringLiteral("loaded"));
        probe.closeWriteChannel();
        QVERIFY(probe.waitForFinished());
        QCOMPARE(probe.exitCode(), 0);
        QVERIFY(!QString::fromUtf8(probe.readAll()).contains(kPlanted));
    }

    // Each refusal names the file and the reason; none stops the program.
    void loaderRefusesWithItsReason_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("answer");
        const QString version = QStringLiteral(OLTRAVE_VERSION);
        QTest::newRow("genuine") << "oltrave-test-genuine.so"
                                 << "loaded: genuine test module";
        QTest::newRow("other version")
            << "oltrave-test-other.so"
            << QStringLiteral("refused: %f/oltrave-test-other.so is of version 0.9 (interface 1), "
                              "not this program's %1 (interface 1)")
                   .arg(version);
        QTest::newRow("missing") << "oltrave-none.so"
                                 << "refused: %f/oltrave-none.so is missing";
        QTest::newRow("no entry")
            << "oltrave-test-bare.so"
            << "refused: %f/oltrave-test-bare.so is not a module of this program: it has no "
               "entry \"oltrave_module\"";
        QTest::newRow("cut short") << "oltrave-cut.so"
                                   << "refused: %f/oltrave-cut.so is cut short (4096 bytes)";
        // Without section headers only the segments tell how long the file must be.
        QTest::newRow("segments cut short")
            << "oltrave-segments.so"
            << "refused: %f/oltrave-segments.so is cut short (4096 bytes)";
        QTest::newRow("headers only") << "oltrave-headers.so"
                                      << "refused: %f/oltrave-headers.so is cut short (64 bytes)";
        QTest::newRow("not ELF") << "oltrave-text.so"
                                 << "refused: %f/oltrave-text.so is not a shared object";
        QTest::newRow("relative path") << "./oltrave-test-genuine.so"
                                       << "refused: ./oltrave-test-genuine.so is not an absolute "
                                          "path";
        QTest::newRow("absolute path") << "%f/oltrave-test-genuine.so"
                                       << "loaded: genuine test module";
    }
    void loaderRefusesWithItsReason() {
        QFETCH(QString, request);
        QFETCH(QString, answer);
        const QString tree = dir_.filePath(QStringLiteral("tree"));
        const QString folder = QDir::cleanPath(tree + '/' + kModuleDir);
        if (!QFile::exists(folder + QStringLiteral("/oltrave-text.so"))) {
            const QString probePath =
                QStringLiteral("%1/%2/oltrave-probe").arg(tree, QStringLiteral(OLTRAVE_BIN_DIR));
            QVERIFY(copy(kProbe, probePath));
            for (const char* kind : {"genuine", "other", "bare"}) {
                const QString name = QStringLiteral("/oltrave-test-%1.so").arg(kind);
                QVERIFY(copy(kTestModules + name, folder + name));
            }
            const QString exact = QStringLiteral(OLTRAVE_BUILT_MODULES "/oltrave-exact.so");
            QVERIFY(copy(exact, folder + QStringLiteral("/oltrave-cut.so")));
            QVERIFY(truncate(folder + QStringLiteral("/oltrave-cut.so"), 4096));
            QVERIFY(copy(exact, folder + QStringLiteral("/oltrave-segments.so")));
            QVERIFY(withoutSectionHeaders(folder + QStringLiteral("/oltrave-segments.so")));
            QVERIFY(truncate(folder + QStringLiteral("/oltrave-segments.so"), 4096));
            QVERIFY(copy(exact, folder + QStringLiteral("/oltrave-headers.so")));
            QVERIFY(truncate(folder + QStringLiteral("/oltrave-headers.so"), 64));
            QFile text(folder + QStringLiteral("/oltrave-text.so"));
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not a module\n");
        }
        QProcess probe;
        probe.setWorkingDirectory(folder);
        probe.start(
            QStringLiteral("%1/%2/oltrave-probe").arg(tree, QStringLiteral(OLTRAVE_BIN_DIR)),
            QStringList());
        QVERIFY(probe.waitForStarted());
        QCOMPARE(ask(probe, request.replace(QStringLiteral("%f"), folder)),
                 answer.replace(QStringLiteral("%f"), folder));
        // Still there to answer.
        QCOMPARE(ask(probe, QStringLiteral("oltrave-test-genuine.so")),
                 QStringLiteral("loaded: genuine test module"));
        probe.closeWriteChannel();
        QVERIFY(probe.waitForFinished());
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
    }

    // The program itself, with its modules missing, of another version or cut short.
    void programSaysWhyItsModuleIsRefused() {
        const QString broken = dir_.filePath(QStringLiteral("broken"));
        install(broken);
        const QString program =
            QStringLiteral("%1/%2/oltrave").arg(broken, QStringLiteral(OLTRAVE_BIN_DIR));
        const QString folder = QDir::cleanPath(broken + '/' + kModuleDir);
        const QString exact = folder + QStringLiteral("/oltrave-exact.so");
        const QString gui = folder + QStringLiteral("/oltrave-gui.so");

        QVERIFY(copy(kTestModules + QStringLiteral("/oltrave-test-other.so"), exact));
        Run result = run(program, kExactDescribe);
        // Without exact values the decimal ones are still written.
        QCOMPARE(result.status, 0);
        QVERIFY(result.out.contains(QStringLiteral("x ( 0 ) = -0.414213562373095")));
        QCOMPARE(result.err, QStringLiteral("oltrave: no exact values: %1 is of version 0.9 "
                                            "(interface 1), not this program's %2 (interface 1)\n")
                                 .arg(exact, QStringLiteral(OLTRAVE_VERSION)));

        QVERIFY(QFile::remove(exact));
        result = run(program, kExactDescribe);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err,
                 QStringLiteral("oltrave: no exact values: %1 is missing\n").arg(exact));

        QVERIFY(truncate(gui, 4096));
        const QString svg = dir_.filePath(QStringLiteral("cut.svg"));
        result = run(program, {"render", "-o", svg, "linear", "1"});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.err, QStringLiteral("oltrave: %1 is cut short (4096 bytes)\n").arg(gui));
        QVERIFY(!QFile::exists(svg));
    }

    // The core is one library that the program and its window module share:
    // each module offers its entry alone, and the window module takes the
    // core from the library instead of holding a copy.
    void coreExistsOnceAndModulesOfferTheirEntryAlone() {
        const QString folder = QDir::cleanPath(installed_ + '/' + kModuleDir);
        for (const char* name :
             {"oltrave-gui.so", "oltrave-exact.so", "oltrave-sound.so", "oltrave-print.so",
              "oltrave-svg.so"}) {
            const Run exported =
                run(QStringLiteral("nm"), {"-D", "--defined-only", "-j", folder + '/' + name});
            QCOMPARE(exported.status, 0);
            // A toolkit class's type information may come along as vague
            // linkage; none of ours may.
            QStringList ours;
            for (const QString& symbol : exported.out.split('\n', Qt::SkipEmptyParts)) {
                if (!symbol.startsWith(QStringLiteral("_ZTI")) &&
                    !symbol.startsWith(QStringLiteral("_ZTS")))
                    ours << symbol;
                else
                    QVERIFY2(!symbol.contains(QStringLiteral("oltrave")), qPrintable(symbol));
            }
            QCOMPARE(ours, QStringList{QStringLiteral("oltrave_module")});
        }
        const Run imported =
            run(QStringLiteral("nm"),
                {"-D", "--undefined-only", "-C", "-j", folder + QStringLiteral("/oltrave-gui.so")});
        QVERIFY(imported.out.contains(QStringLiteral("oltrave::Form::")));
        const Run needed = run(QStringLiteral("readelf"), {"-d", folder + "/oltrave-gui.so"});
        QVERIFY(needed.out.contains(QStringLiteral("[liboltrave-core.so]")));
    }

    // Nothing installed depends on where it was built: no build or source
    // folder in a binary's file names or run path.
    void installedBinariesHoldNoBuildFolder() {
#ifdef OLTRAVE_SANITIZED
        // The sanitizers keep each source's full name for their reports; such
        // a build is never installed or shipped.
        QSKIP("a sanitized build names its sources");
#endif
        const QList<QByteArray> folders{QByteArrayLiteral(OLTRAVE_BUILD_DIR),
                                        QByteArrayLiteral(OLTRAVE_SOURCE_DIR)};
        QStringList binaries;
        for (const QString& sub : {QStringLiteral(OLTRAVE_BIN_DIR), kModuleDir}) {
            QDirIterator files(installed_ + '/' + sub, QDir::Files);
            while (files.hasNext())
                binaries << files.next();
        }
        QVERIFY(binaries.size() >= 6);
        for (const QString& path : binaries) {
            // What runs, without the debug information a package strips off.
            const QString stripped = dir_.filePath(QStringLiteral("stripped"));
            QFile::remove(stripped);
            const Run strip = run(QStringLiteral("objcopy"), {"--strip-debug", path, stripped});
            QVERIFY2(strip.status == 0, qPrintable(strip.err));
            QFile file(stripped);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            for (const QByteArray& folder : folders)
                QVERIFY2(!bytes.contains(folder), qPrintable(path + " holds " + folder));
        }
    }

private:
    void install(const QString& prefix) {
        const Run installed =
            run(QStringLiteral(OLTRAVE_CMAKE),
                {"--install", QStringLiteral(OLTRAVE_BUILD_DIR), "--prefix", prefix});
        QVERIFY2(installed.status == 0, qPrintable(installed.out + installed.err));
    }

    QTemporaryDir dir_;
    QString installed_;
    QString planted_;
};

QTEST_GUILESS_MAIN(ModuleLoadingTest)
#include "module_loading_test.moc"
