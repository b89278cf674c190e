// Targets are ratios to the plain-Win32 dialog: what the same dialog costs without the toolkit.
#include "bench/Report.h"

#include <cstdio>

#include "bench/Measure.h"
#include "bench/Stats.h"
#include "tests/release/PeFile.h"

namespace {

std::string Format(const char* format, double value) {
    char text[64];
    snprintf(text, sizeof text, format, value);
    return text;
}

std::string Ms(const std::vector<double>& values) {
    const Spread s = SpreadOf(values);
    char text[96];
    snprintf(text, sizeof text, "%.1f ms [%.1f-%.1f]", s.median, s.low, s.high);
    return text;
}

std::string KiB(const std::vector<double>& values) { return Format("%.0f KiB", SpreadOf(values).median); }
std::string Ratio(double ours, double theirs) { return theirs > 0 ? Format("%.2f", ours / theirs) : "n/a"; }
std::string Verdict(bool met) { return met ? "met" : "**not met**"; }

std::string Imports(const std::string& exe) {
    PeFile file(ReadWhole(exe));
    if (!file.Valid()) return "?";
    std::string list;
    for (const std::string& dll : file.ImportedDlls()) list += (list.empty() ? "" : ", ") + dll;
    return list;
}

double Bytes(const Contender& c) { return double(ReadWhole(c.shipped).size()); }

// A row of the main table: the three medians, the program's ratio to the plain dialog pair by pair, the target.
void PrintTimed(const char* measure, const std::vector<double> Series::*values, const Figures& f,
                std::string (*show)(const std::vector<double>&)) {
    const Spread ratio = SpreadOf(PairRatios(f.program.runs.*values, f.plain.runs.*values));
    printf("| %s | %s | %s | %s | %.2f [%.2f-%.2f] | at most 1.00: %s |\n", measure, show(f.floor.runs.*values).c_str(),
           show(f.plain.runs.*values).c_str(), show(f.program.runs.*values).c_str(), ratio.median, ratio.low,
           ratio.high, Verdict(ratio.median <= 1.00).c_str());
}

void PrintComparison(const Figures& f) {
    printf("%d rounds, each running the floor, the plain-Win32 dialog and tolv.bot.setup in turn (the two dialogs swap "
           "places every round); times are median [first-third quartile]; a ratio is tolv.bot.setup over the plain "
           "dialog, the median [quartiles] of the %d pairs.\n\n",
           f.rounds, f.rounds);
    printf("| Measure | Floor (empty window) | Plain Win32 dialog | tolv.bot.setup | Ratio to plain | Target |\n"
           "|---|---|---|---|---|---|\n");
    printf("| Exe size | %.0f B | %.0f B | %.0f B | %s | at most 24576 B: %s |\n", Bytes(f.floor), Bytes(f.plain),
           Bytes(f.program), Ratio(Bytes(f.program), Bytes(f.plain)).c_str(), Verdict(Bytes(f.program) <= 24576).c_str());
    printf("| Imported DLLs | %s | %s | %s | | Windows' own only |\n", Imports(f.floor.shipped).c_str(),
           Imports(f.plain.shipped).c_str(), Imports(f.program.shipped).c_str());
    PrintTimed("Start-up (to shown and idle)", &Series::startMs, f, Ms);
    PrintTimed("Close (WM_CLOSE to exit)", &Series::endMs, f, Ms);
    PrintTimed("Peak working set", &Series::peakKiB, f, KiB);
    if (SpreadOf(f.program.runs.privateKiB).max > 0) {
        printf("| Private bytes | %s | %s | %s | | |\n", KiB(f.floor.runs.privateKiB).c_str(),
               KiB(f.plain.runs.privateKiB).c_str(), KiB(f.program.runs.privateKiB).c_str());
    } else {
        printf("| Private bytes | not reported | not reported | not reported | | Wine gives 0 |\n");
    }
    if (SpreadOf(f.program.runs.gdiObjects).max > 0 || SpreadOf(f.program.runs.userObjects).max > 0) {
        auto objects = [](const Series& s) {
            return Format("%.0f", SpreadOf(s.gdiObjects).median) + " / " + Format("%.0f", SpreadOf(s.userObjects).median);
        };
        printf("| GDI / USER objects while shown | %s | %s | %s | | |\n", objects(f.floor.runs).c_str(),
               objects(f.plain.runs).c_str(), objects(f.program.runs).c_str());
    } else {
        printf("| GDI / USER objects while shown | not reported | not reported | not reported | | GetGuiResources gives 0 "
               "under Wine |\n");
    }
}

// The whole spread of the pairs' ratios, so that a reader can see how far one pair is from another.
void PrintSpread(const Figures& f) {
    printf("\nThe spread of the %d pairs' ratios (tolv.bot.setup over the plain dialog):\n\n", f.rounds);
    printf("| Ratio per pair | Lowest | First quartile | Median | Third quartile | Highest |\n|---|---|---|---|---|---|\n");
    const struct {
        const char* name;
        const std::vector<double> Series::*values;
    } rows[] = {{"Start-up", &Series::startMs}, {"Close", &Series::endMs}, {"Peak working set", &Series::peakKiB}};
    for (const auto& row : rows) {
        const Spread s = SpreadOf(PairRatios(f.program.runs.*row.values, f.plain.runs.*row.values));
        printf("| %s | %.2f | %.2f | %.2f | %.2f | %.2f |\n", row.name, s.min, s.low, s.median, s.high, s.max);
    }
    const double plainStart = SpreadOf(f.plain.runs.startMs).median, floorStart = SpreadOf(f.floor.runs.startMs).median;
    const double plainEnd = SpreadOf(f.plain.runs.endMs).median, floorEnd = SpreadOf(f.floor.runs.endMs).median;
    printf("\nThe plain dialog over the floor, for scale: start-up %s, close %s, peak working set %s.\n",
           Ratio(plainStart, floorStart).c_str(), Ratio(plainEnd, floorEnd).c_str(),
           Ratio(SpreadOf(f.plain.runs.peakKiB).median, SpreadOf(f.floor.runs.peakKiB).median).c_str());
}

// The growth is judged on each size's fastest run: the machine's other work only ever adds time, and the
// start-up's spread would otherwise hide what the file itself costs.
double Fastest(const Series& s) {
    double best = s.startMs[0] + s.endMs[0];
    for (size_t run = 1; run < s.startMs.size(); ++run) best = std::min(best, s.startMs[run] + s.endMs[run]);
    return best;
}

void PrintScale(const Figures& f) {
    printf("\nScale, %d runs per size: load is start to shown and idle, save is Ok to exit (with Debug switched on "
           "before, so that there is a change to write).\n\n",
           f.scaleRuns);
    printf("| config.bot | Load | Save | Load + save, fastest run | Above the 1 KB file, per MB |\n|---|---|---|---|---|\n");
    std::vector<double> fastest;
    for (const ScaleRow& row : f.scale) {
        fastest.push_back(Fastest(row.program));
        const double mb = double(row.bytes - f.scale[0].bytes) / 1048576;
        const std::string perMb = mb > 0 ? Format("%.1f ms", (fastest.back() - fastest[0]) / mb) : "";
        printf("| %s | %s | %s | %.1f ms | %s |\n", row.name, Ms(row.program.startMs).c_str(),
               Ms(row.program.endMs).c_str(), fastest.back(), perMb.c_str());
    }
    // Linear growth costs as much per MB up to 8 MB as up to 1 MB, a ratio of 1; quadratic growth would make it about
    // 8. What is left of the noise blurs the 1 MB figure, so up to 2 counts as linear.
    const double perMbTo1 = (fastest[2] - fastest[0]) / (double(f.scale[2].bytes - f.scale[0].bytes) / 1048576);
    const double perMbTo8 = (fastest[3] - fastest[0]) / (double(f.scale[3].bytes - f.scale[0].bytes) / 1048576);
    if (perMbTo1 <= 0) {
        printf("\nGrowth: not judged, the 1 MB file ran no slower than the 1 KB one (%.1f ms per MB up to 8 MB); run "
               "again on a quieter machine.\n",
               perMbTo8);
    } else {
        printf("\nGrowth: %.1f ms per MB up to 1 MB, %.1f ms per MB up to 8 MB, a ratio of %s: linear gives 1, "
               "quadratic about 8 (target: no faster than linear, taken as at most 2: %s).\n",
               perMbTo1, perMbTo8, Ratio(perMbTo8, perMbTo1).c_str(), Verdict(perMbTo8 <= 2 * perMbTo1).c_str());
    }
}

void PrintBeforeAndAfter(const Figures& f) {
    printf("\nThe save before and after, %d runs per size, the baseline and this build in turn: Ok to exit as above, "
           "median [first-third quartile].\n\n",
           f.scaleRuns);
    printf("| config.bot | Baseline | This build | Ratio |\n|---|---|---|---|\n");
    for (const ScaleRow& row : f.scale) {
        if (row.bytes == 64 * 1024) continue;
        printf("| %s | %s | %s | %s |\n", row.name, Ms(row.baseline.endMs).c_str(), Ms(row.program.endMs).c_str(),
               Ratio(SpreadOf(row.program.endMs).median, SpreadOf(row.baseline.endMs).median).c_str());
    }
}

}  // namespace

void PrintFigures(const Figures& figures) {
    PrintComparison(figures);
    PrintSpread(figures);
    PrintScale(figures);
    if (figures.hasBaseline) PrintBeforeAndAfter(figures);
}

void PrintTeardown(const std::vector<TracedRun>& runs) {
    printf("Teardown, from Wine's relay trace of one run of each, closed with WM_CLOSE:\n\n");
    printf("| What the dialog made | Program | Made | Left at exit |\n|---|---|---|---|\n");
    for (const TracedRun& run : runs)
        printf("| GDI objects and device contexts | %s | %d | %d |\n", run.label.c_str(), run.teardown.objectsMade,
               run.teardown.objectsLeft);
    for (const TracedRun& run : runs)
        printf("| Windows (USER objects) | %s | %d | %d |\n", run.label.c_str(), run.teardown.windowsMade,
               run.teardown.windowsLeft);
}
