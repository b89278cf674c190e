// Interleaved rounds: every program runs once per round, so a busy moment of the machine slows all of them alike.
#include "bench/Measure.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench/ConfigFile.h"
#include "bench/Launch.h"

namespace {

constexpr char kFloorCaption[] = "floor";
constexpr char kDialogCaption[] = "tolv.bot.setup";
constexpr char kStoredPrefix[] = "nick_prefix=^2^btolv^n^7";

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

void Record(Series& series, const RunFigures& run) {
    series.startMs.push_back(run.startMs);
    series.endMs.push_back(run.endMs);
    series.peakKiB.push_back(run.peakWorkingSetKiB);
    series.privateKiB.push_back(run.privateKiB);
    series.gdiObjects.push_back(run.gdiObjects);
    series.userObjects.push_back(run.userObjects);
}

RunFigures MustRun(const std::string& exe, const char* caption, Ending ending) {
    RunFigures run = RunOnce(exe, Folder(exe), caption, ending);
    if (!run.ok) Fail(run.failure);
    return run;
}

Contender Enter(const Plan& plan, const char* label, const char* folder, const std::string& exe,
                const std::string& shipped) {
    return Contender{label, LayOut(plan.scratch, folder, exe), shipped.empty() ? exe : shipped, {}};
}

// The four keys at the end of ever larger files; the save is Ok's four writes and the exit after them. Debug is
// switched on first, so that the save has a changed value to store and the file is written.
void SaveOnce(const std::string& exe, const std::string& file, const char* name, Series& into) {
    if (!WriteWhole(ConfigOf(exe), file)) Fail("cannot write " + ConfigOf(exe));
    RunFigures run = MustRun(exe, kDialogCaption, Ending{"Ok", "Debug"});
    const std::string saved = ReadWhole(ConfigOf(exe));
    if (saved.find(kStoredPrefix) == std::string::npos)
        Fail(exe + ": the save lost the settings in the file of " + name);
    if (saved.find("debug=1") == std::string::npos) Fail(exe + ": the save did not reach the file of " + name);
    Record(into, run);
}

void MeasureScale(const Plan& plan, Figures& figures) {
    figures.scaleRuns = plan.scaleRuns;
    figures.hasBaseline = !plan.baseline.empty();
    figures.scale = {{"1 KB", 1024, {}, {}},
                     {"64 KB", 64 * 1024, {}, {}},
                     {"1 MB", 1024 * 1024, {}, {}},
                     {"8 MB", 8 * 1024 * 1024, {}, {}}};
    const std::string program = LayOut(plan.scratch, "scale", plan.program);
    const std::string baseline = figures.hasBaseline ? LayOut(plan.scratch, "scale-baseline", plan.baseline) : "";
    std::vector<std::string> files;
    for (const ScaleRow& row : figures.scale) files.push_back(ConfigOfSize(row.bytes));
    for (int run = 0; run < plan.scaleRuns; ++run) {
        for (size_t i = 0; i < figures.scale.size(); ++i) {
            ScaleRow& row = figures.scale[i];
            SaveOnce(program, files[i], row.name, row.program);
            if (figures.hasBaseline) SaveOnce(baseline, files[i], row.name, row.baseline);
        }
        fprintf(stderr, "\rbench: scale run %d of %d", run + 1, plan.scaleRuns);
    }
    fprintf(stderr, "\n");
}

}  // namespace

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

void Fail(const std::string& why) {
    fprintf(stderr, "\nbench: %s\n", why.c_str());
    exit(1);
}

Figures Measure(const Plan& plan) {
    Figures figures;
    figures.rounds = plan.rounds;
    figures.floor = Enter(plan, "floor", "floor", plan.floor, plan.shippedFloor);
    figures.plain = Enter(plan, "plain Win32", "plain", plan.plain, plan.shippedPlain);
    figures.program = Enter(plan, "tolv.bot.setup", "program", plan.program, plan.shippedProgram);
    // Both dialogs read the same small file: the four keys among other plug-ins' settings.
    for (const Contender* dialog : {&figures.plain, &figures.program})
        if (!WriteWhole(ConfigOf(dialog->exe), ConfigOfSize(1024))) Fail("cannot write " + ConfigOf(dialog->exe));

    struct Turn {
        Contender* contender;
        const char* caption;
    };
    const Turn round[] = {{&figures.floor, kFloorCaption},
                          {&figures.plain, kDialogCaption},
                          {&figures.program, kDialogCaption}};
    // One round to warm the file cache and Wine's own DLLs, then the measured ones.
    for (const Turn& turn : round) MustRun(turn.contender->exe, turn.caption, Ending{});
    for (int i = 0; i < plan.rounds; ++i) {
        // The dialogs swap places every other round, so that neither always follows the same program.
        const Turn& first = round[1 + i % 2];
        const Turn& second = round[2 - i % 2];
        for (const Turn* turn : {&round[0], &first, &second})
            Record(turn->contender->runs, MustRun(turn->contender->exe, turn->caption, Ending{}));
        fprintf(stderr, "\rbench: round %d of %d", i + 1, plan.rounds);
    }
    fprintf(stderr, "\n");

    MeasureScale(plan, figures);
    return figures;
}
