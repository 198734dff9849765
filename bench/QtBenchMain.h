// The main function of the benchmark programs that need Qt: an offscreen application, the
// factory settings read only, dialogs printed instead of shown.
#pragma once

#include "settings/ApplSettings.h"
#include "settings/ConsoleDialogService.h"

#include <QByteArray>
#include <QString>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace BenchSupport {

/// Runs the registered benchmarks inside an Application (QApplication or a class derived
/// from it) made from the program name only: the benchmark's own options are not Qt's.
template<typename Application> int runQtBenchmarks(int argc, char **argv, const char *program)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = {argv[0], nullptr};
    Application application(qtArgc, qtArgv);
    setDialogService(std::make_unique<ConsoleDialogService>(QString::fromLatin1(program)));
    if (!ApplSettings::instance().loadReadOnly(QStringLiteral(DRAFTBAY_FACTORY_SETTINGS))) {
        std::fprintf(stderr, "%s: cannot read %s\n", program, DRAFTBAY_FACTORY_SETTINGS);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace BenchSupport
