// The benchmark's driver, run under tools/wine by tools/bench; paths are Windows paths.
//   bench_driver measure --scratch DIR --floor EXE --plain EXE --program EXE [--rounds N] [--runs N]
//                        [--shipped-floor EXE --shipped-plain EXE --shipped-program EXE] [--baseline EXE]
//       interleaved rounds of the three programs, then the program (and the baseline) with ever larger settings
//       files; prints the figures as Markdown. --shipped-* name the files whose size and imports are shown (the 32-bit
//       builds, where the runs are of 64-bit ones); --baseline an older build of the program, for the save before
//       and after.
//   bench_driver once EXE CAPTION
//       one run closed with WM_CLOSE; prints the process id and image range, for picking the program's own calls out
//       of Wine's relay trace of that run
//   bench_driver teardown LABEL TRACE PID BASE SIZE [LABEL TRACE PID BASE SIZE]...
//       reads those traces (the three numbers as once printed them) and prints what each program left at exit
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/Launch.h"
#include "bench/Measure.h"
#include "bench/RelayTrace.h"
#include "bench/Report.h"

namespace {

const char kUsage[] =
    "usage: bench_driver measure --scratch DIR --floor EXE --plain EXE --program EXE [--rounds N] [--runs N] "
    "[--shipped-floor EXE --shipped-plain EXE --shipped-program EXE] [--baseline EXE]\n"
    "       bench_driver once EXE CAPTION\n"
    "       bench_driver teardown LABEL TRACE PID BASE SIZE...";

int MeasureMode(const std::vector<std::string>& args) {
    Plan plan;
    const struct {
        const char* name;
        std::string* text;
        int* number;
    } options[] = {{"--scratch", &plan.scratch, nullptr},
                   {"--floor", &plan.floor, nullptr},
                   {"--plain", &plan.plain, nullptr},
                   {"--program", &plan.program, nullptr},
                   {"--rounds", nullptr, &plan.rounds},
                   {"--runs", nullptr, &plan.scaleRuns},
                   {"--shipped-floor", &plan.shippedFloor, nullptr},
                   {"--shipped-plain", &plan.shippedPlain, nullptr},
                   {"--shipped-program", &plan.shippedProgram, nullptr},
                   {"--baseline", &plan.baseline, nullptr}};
    for (size_t i = 0; i < args.size(); i += 2) {
        bool known = false;
        for (const auto& option : options) {
            if (args[i] != option.name || i + 1 >= args.size()) continue;
            known = true;
            if (option.text) *option.text = args[i + 1];
            if (option.number) *option.number = atoi(args[i + 1].c_str());
        }
        if (!known) Fail(kUsage);
    }
    if (plan.scratch.empty() || plan.floor.empty() || plan.plain.empty() || plan.program.empty() || plan.rounds < 1 ||
        plan.scaleRuns < 1)
        Fail(kUsage);
    PrintFigures(Measure(plan));
    return 0;
}

int OnceMode(const std::string& exe, const std::string& caption) {
    RunFigures run = RunOnce(exe, exe.substr(0, exe.find_last_of('\\')), caption.c_str(), Ending{});
    if (!run.ok) Fail(run.failure);
    printf("%04lx %llx %lx\n", static_cast<unsigned long>(run.processId),
           static_cast<unsigned long long>(run.imageBase), static_cast<unsigned long>(run.imageSize));
    return 0;
}

int TeardownMode(const std::vector<std::string>& args) {
    if (args.empty() || args.size() % 5) Fail(kUsage);
    std::vector<TracedRun> runs;
    for (size_t i = 0; i < args.size(); i += 5) {
        Teardown teardown = ReadRelayTrace(args[i + 1], strtoul(args[i + 2].c_str(), nullptr, 16),
                                           strtoull(args[i + 3].c_str(), nullptr, 16),
                                           strtoull(args[i + 4].c_str(), nullptr, 16));
        if (!teardown.traced) Fail("no call of " + args[i] + "'s own code in " + args[i + 1]);
        runs.push_back({args[i], teardown});
    }
    PrintTeardown(runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    if (mode == "measure") return MeasureMode(args);
    if (mode == "once" && args.size() == 2) return OnceMode(args[0], args[1]);
    if (mode == "teardown") return TeardownMode(args);
    Fail(kUsage);
}
