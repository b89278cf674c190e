// The test exes' main: a crash fails the run. Under Wine a crash hands the process to the debugger, which
// ends it with exit code 0, so a test that crashed would count as passed.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

LONG WINAPI FailOnCrash(EXCEPTION_POINTERS* crash) {
    std::fprintf(stderr, "crashed: exception 0x%08lx at %p\n", crash->ExceptionRecord->ExceptionCode,
                 crash->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(FailOnCrash);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
