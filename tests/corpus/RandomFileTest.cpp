// Damaged copies of the corpus files, made from a printed seed: the program opens and saves each and loses nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "tests/corpus/FileText.h"
#include "tests/corpus/Fixtures.h"
#include "tests/corpus/Mutations.h"
#include "tests/corpus/OpenEditSave.h"
#include "tests/support/GameFolder.h"

namespace {

unsigned long FromEnvironment(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 0) : fallback;
}

// TOLV_FUZZ_CASES sets how many files (100 by default), TOLV_FUZZ_SEED replays the files of an earlier run.
// The count is read when the tests are listed: ctest keeps the list it found, so ask for more on the test exe itself,
// e.g. TOLV_FUZZ_CASES=1000 tools/wine build/win32/tests/corpus/corpus_tests.exe --gtest_filter='*RandomFile*'.
const int kCases = int(FromEnvironment("TOLV_FUZZ_CASES", 100));
const unsigned long kSeed = FromEnvironment("TOLV_FUZZ_SEED", 20261211);

class RandomFile : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(RandomFile, OpensShowsWhatThePlatformReadsAndSavesOnlyItsKeys) {
    int number = GetParam();
    std::seed_seq seed{kSeed, (unsigned long)number};
    std::mt19937 random(seed);
    std::vector<Fixture> corpus = SmallFileCorpus();
    const Fixture& base = corpus[random() % corpus.size()];
    Mutant mutant = Mutate(base.bytes(), random);
    // Wine takes the missing half of a UTF-16 file's last character from memory it never read, so every process
    // reads that character differently; the last byte of such a file goes.
    Encoding encoding = EncodingOf(mutant.bytes);
    if ((encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) && mutant.bytes.size() % 2) {
        mutant.bytes.pop_back();
        mutant.story += "; the odd last byte cut";
    }

    GameFolder game;
    std::string replay = "TOLV_FUZZ_SEED=" + std::to_string(kSeed) + " --gtest_filter=*RandomFile*/" +
                         std::to_string(number) + "; the file stays in " + game.Config();
    std::printf("seed %lu, case %d: %s, %s\n", kSeed, number, base.name, mutant.story.c_str());
    SCOPED_TRACE(std::string(base.name) + ", " + mutant.story + "; replay: " + replay);
    game.WriteConfig(mutant.bytes);
    ExpectRestAsThePlatformWritesIt(game.Config(), OpenEditSave(game.Exe(), game.Config(), game.Dir()));
}

INSTANTIATE_TEST_SUITE_P(Corpus, RandomFile, ::testing::Range(0, kCases));
