// Measures the dialog against the floor program, pair by pair, and prints the figures as Markdown tables.
// Usage (Windows paths; run under tools/wine):
//   bench_driver measure SCRATCH_DIR PAIRS SCALE_RUNS FLOOR.exe PROGRAM.exe [LABEL VARIANT.exe]...
//       the floor and the program in turn, each variant of the floor after them in the same round, then the scale runs
//   bench_driver once PROGRAM.exe CAPTION
//       one run closed with WM_CLOSE; prints the process id and image range, for tools/bench to pick the program's own
//       calls out of Wine's relay trace
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/ConfigFile.h"
#include "bench/Launch.h"
#include "bench/Stats.h"
#include "tests/release/PeFile.h"

namespace {

constexpr char kFloorCaption[] = "floor";
constexpr char kDialogCaption[] = "tolv.bot.setup";

std::string ReadWhole(const std::string& path) {
    std::string bytes;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return bytes;
    char buffer[65536];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && ok;
}

[[noreturn]] void Fail(const std::string& why) {
    fprintf(stderr, "\nbench: %s\n", why.c_str());
    exit(1);
}

// A folder of its own for a program, with the plug-in folder beside it; returns the program's copy there.
std::string LayOut(const std::string& scratch, const std::string& name, const std::string& exe) {
    std::string folder = scratch + "\\" + name;
    CreateDirectoryA(scratch.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\basezul").c_str(), nullptr);
    CreateDirectoryA((folder + "\\basezul\\tolv.bot").c_str(), nullptr);
    std::string copy = folder + exe.substr(exe.find_last_of('\\'));
    if (!CopyFileA(exe.c_str(), copy.c_str(), FALSE)) Fail("cannot copy " + exe + " to " + folder);
    return copy;
}

std::string Folder(const std::string& exe) { return exe.substr(0, exe.find_last_of('\\')); }
std::string ConfigOf(const std::string& exe) { return Folder(exe) + "\\basezul\\tolv.bot\\config.bot"; }

std::string Imports(const std::string& exe) {
    PeFile file(ReadWhole(exe));
    if (!file.Valid()) return "?";
    std::string list;
    for (const std::string& dll : file.ImportedDlls()) list += (list.empty() ? "" : ", ") + dll;
    return list;
}

std::string Format(const char* format, double value) {
    char text[64];
    snprintf(text, sizeof text, format, value);
    return text;
}

std::string Ms(const Spread& s) {
    char text[96];
    snprintf(text, sizeof text, "%.1f ms [%.1f-%.1f]", s.median, s.low, s.high);
    return text;
}

std::string KiB(double value) { return Format("%.0f KiB", value); }
std::string Ratio(double ours, double floor) { return floor > 0 ? Format("%.2f", ours / floor) : "n/a"; }
std::string Verdict(bool met) { return met ? "met" : "**not met**"; }

RunFigures MustRun(const std::string& exe, const char* caption, Ending ending) {
    RunFigures run = RunOnce(exe, Folder(exe), caption, ending);
    if (!run.ok) Fail(run.failure);
    return run;
}

// One program's runs, and the medians the tables show.
struct Contender {
    std::string label;
    std::string exe;
    const char* caption;
    std::vector<double> start, end, peak, priv, gdi, user;

    void Run() {
        RunFigures run = MustRun(exe, caption, Ending{});
        start.push_back(run.startMs);
        end.push_back(run.endMs);
        peak.push_back(run.peakWorkingSetKiB);
        priv.push_back(run.privateKiB);
        gdi.push_back(run.gdiObjects);
        user.push_back(run.userObjects);
    }
};

void PrintComparison(const Contender& floor, const Contender& program, int pairs) {
    const Spread floorStart = SpreadOf(floor.start), programStart = SpreadOf(program.start);
    const Spread floorEnd = SpreadOf(floor.end), programEnd = SpreadOf(program.end);
    const double floorPeak = SpreadOf(floor.peak).median, programPeak = SpreadOf(program.peak).median;
    const double floorPrivate = SpreadOf(floor.priv).median, programPrivate = SpreadOf(program.priv).median;
    const double floorBytes = double(ReadWhole(floor.exe).size()), programBytes = double(ReadWhole(program.exe).size());
    const bool guiReported = SpreadOf(program.gdi).max > 0 || SpreadOf(program.user).max > 0;

    printf("%d pairs, the floor and the dialog in turn; times are median [first-third quartile].\n\n", pairs);
    printf("| Measure | Floor | tolv.bot.setup | Ratio | Target |\n|---|---|---|---|---|\n");
    printf("| Exe size | %.0f B | %.0f B | %s | at most 24576 B: %s |\n", floorBytes, programBytes,
           Ratio(programBytes, floorBytes).c_str(), Verdict(programBytes <= 24576).c_str());
    printf("| Imported DLLs | %s | %s | | Windows' own only |\n", Imports(floor.exe).c_str(), Imports(program.exe).c_str());
    printf("| Start-up (to shown and idle) | %s | %s | %s | at most 1.10: %s |\n", Ms(floorStart).c_str(),
           Ms(programStart).c_str(), Ratio(programStart.median, floorStart.median).c_str(),
           Verdict(programStart.median <= 1.10 * floorStart.median).c_str());
    printf("| Close (WM_CLOSE to exit) | %s | %s | %s | at most 1.10: %s |\n", Ms(floorEnd).c_str(),
           Ms(programEnd).c_str(), Ratio(programEnd.median, floorEnd.median).c_str(),
           Verdict(programEnd.median <= 1.10 * floorEnd.median).c_str());
    printf("| Peak working set | %s | %s | %s | at most 1.15: %s |\n", KiB(floorPeak).c_str(), KiB(programPeak).c_str(),
           Ratio(programPeak, floorPeak).c_str(), Verdict(programPeak <= 1.15 * floorPeak).c_str());
    if (floorPrivate > 0 || programPrivate > 0) {
        printf("| Private bytes | %s | %s | %s | |\n", KiB(floorPrivate).c_str(), KiB(programPrivate).c_str(),
               Ratio(programPrivate, floorPrivate).c_str());
    } else {
        printf("| Private bytes | not reported | not reported | | Wine gives 0 |\n");
    }
    if (guiReported) {
        printf("| GDI / USER objects while shown | %.0f / %.0f | %.0f / %.0f | | |\n", SpreadOf(floor.gdi).median,
               SpreadOf(floor.user).median, SpreadOf(program.gdi).median, SpreadOf(program.user).median);
    } else {
        printf("| GDI / USER objects while shown | not reported | not reported | | GetGuiResources gives 0 under Wine |\n");
    }
}

// Each variant of the floor adds one thing the dialog has; the rows show what each costs on its own.
void PrintBreakdown(const std::vector<Contender>& all) {
    const double floorStart = SpreadOf(all[0].start).median;
    const double floorEnd = SpreadOf(all[0].end).median;
    const double floorPeak = SpreadOf(all[0].peak).median;
    printf("\nWhere the difference comes from (medians, and the difference to the floor):\n\n");
    printf("| Program | Start-up | Close | Peak working set |\n|---|---|---|---|\n");
    for (const Contender& c : all) {
        const double start = SpreadOf(c.start).median, end = SpreadOf(c.end).median, peak = SpreadOf(c.peak).median;
        printf("| %s | %.1f ms (%+.1f) | %.1f ms (%+.1f) | %.0f KiB (%+.0f) |\n", c.label.c_str(), start,
               start - floorStart, end, end - floorEnd, peak, peak - floorPeak);
    }
}

// The four keys at the end of ever larger files; the save is Ok's four writes and the exit after them.
void MeasureScale(const std::string& exe, int runs) {
    const size_t sizes[] = {1024, 64 * 1024, 1024 * 1024, 8 * 1024 * 1024};
    const char* names[] = {"1 KB", "64 KB", "1 MB", "8 MB"};
    std::vector<std::string> files;
    for (size_t size : sizes) files.push_back(ConfigOfSize(size));
    std::vector<double> load[4], save[4];
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 4; ++i) {
            if (!WriteWhole(ConfigOf(exe), files[i])) Fail("cannot write " + ConfigOf(exe));
            RunFigures figures = MustRun(exe, kDialogCaption, Ending{"Ok"});
            if (ReadWhole(ConfigOf(exe)).find("nick_prefix=^2^btolv^n^7") == std::string::npos)
                Fail("the save lost the settings in the file of " + std::string(names[i]));
            load[i].push_back(figures.startMs);
            save[i].push_back(figures.endMs);
        }
        fprintf(stderr, "\rbench: scale run %d of %d", run + 1, runs);
    }
    fprintf(stderr, "\n");

    printf("\nScale, %d runs per size: load is start to shown and idle, save is Ok to exit.\n\n", runs);
    printf("| config.bot | Load | Save | Load + save, fastest run | Above the 1 KB file, per MB |\n|---|---|---|---|---|\n");
    // The growth is judged on each size's fastest run: the machine's other work only ever adds time, and the
    // start-up's spread would otherwise hide what the file itself costs.
    double fastest[4];
    for (int i = 0; i < 4; ++i) {
        const Spread l = SpreadOf(load[i]), s = SpreadOf(save[i]);
        double best = load[i][0] + save[i][0];
        for (size_t run = 1; run < load[i].size(); ++run) best = std::min(best, load[i][run] + save[i][run]);
        fastest[i] = best;
        const std::string perMb =
            i ? Format("%.1f ms", (fastest[i] - fastest[0]) / (double(sizes[i] - sizes[0]) / 1048576)) : "";
        printf("| %s | %s | %s | %.1f ms | %s |\n", names[i], Ms(l).c_str(), Ms(s).c_str(), fastest[i], perMb.c_str());
    }
    // Linear growth costs as much per MB up to 8 MB as up to 1 MB, a ratio of 1; quadratic growth would make it about
    // 8. What is left of the noise blurs the 1 MB figure, so up to 2 counts as linear.
    const double perMbTo1 = (fastest[2] - fastest[0]) / (double(sizes[2] - sizes[0]) / 1048576);
    const double perMbTo8 = (fastest[3] - fastest[0]) / (double(sizes[3] - sizes[0]) / 1048576);
    if (perMbTo1 <= 0) {
        printf("\nGrowth: not judged, the 1 MB file ran no slower than the 1 KB one (%.1f ms per MB up to 8 MB); run "
               "again on a quieter machine.\n",
               perMbTo8);
        return;
    }
    printf("\nGrowth: %.1f ms per MB up to 1 MB, %.1f ms per MB up to 8 MB, a ratio of %s: linear gives 1, quadratic "
           "about 8 (target: no faster than linear, taken as at most 2: %s).\n",
           perMbTo1, perMbTo8, Ratio(perMbTo8, perMbTo1).c_str(), Verdict(perMbTo8 <= 2 * perMbTo1).c_str());
}

int Measure(const std::string& scratch, int pairs, int scaleRuns, const std::vector<std::string>& programs) {
    std::vector<Contender> all;
    all.push_back({"floor", LayOut(scratch, "floor", programs[0]), kFloorCaption, {}, {}, {}, {}, {}, {}});
    all.push_back({"tolv.bot.setup", LayOut(scratch, "program", programs[1]), kDialogCaption, {}, {}, {}, {}, {}, {}});
    for (size_t i = 2; i + 1 < programs.size(); i += 2)
        all.push_back({programs[i], LayOut(scratch, "variant" + std::to_string(i / 2), programs[i + 1]),
                       kFloorCaption, {}, {}, {}, {}, {}, {}});
    if (!WriteWhole(ConfigOf(all[1].exe), ConfigOfSize(1024))) Fail("cannot write " + ConfigOf(all[1].exe));

    // A round runs each program once, the floor first: one round to warm the file cache and Wine's own DLLs, then
    // the measured ones.
    for (Contender& c : all) MustRun(c.exe, c.caption, Ending{});
    for (int pair = 0; pair < pairs; ++pair) {
        for (Contender& c : all) c.Run();
        fprintf(stderr, "\rbench: pair %d of %d", pair + 1, pairs);
    }
    fprintf(stderr, "\n");

    PrintComparison(all[0], all[1], pairs);
    if (all.size() > 2) {
        std::vector<Contender> breakdown(all.begin(), all.begin() + 1);
        breakdown.insert(breakdown.end(), all.begin() + 2, all.end());
        breakdown.push_back(all[1]);
        PrintBreakdown(breakdown);
    }
    MeasureScale(LayOut(scratch, "scale", programs[1]), scaleRuns);
    return 0;
}

int Once(const std::string& exe, const char* caption) {
    RunFigures run = MustRun(exe, caption, Ending{});
    printf("pid=%04lx base=%08lx size=%08lx\n", run.processId, static_cast<unsigned long>(run.imageBase),
           static_cast<unsigned long>(run.imageSize));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "once" && argc == 4) return Once(argv[2], argv[3]);
    if (mode == "measure" && argc >= 7 && argc % 2 == 1)
        return Measure(argv[2], atoi(argv[3]), atoi(argv[4]), std::vector<std::string>(argv + 5, argv + argc));
    Fail("usage: bench_driver measure SCRATCH_DIR PAIRS SCALE_RUNS FLOOR.exe PROGRAM.exe [LABEL VARIANT.exe]... | "
         "once PROGRAM.exe CAPTION");
}
