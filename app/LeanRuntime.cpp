// Keeps the C runtime's start-up and the exception runtime out of the program: most of a small exe is otherwise theirs.
//
// What this entry does not provide, and what you see when you need it (each tried with this toolchain):
// - No atexit: a static object with a destructor fails the link with "undefined reference to `atexit'". So does any
//   of the printf family, snprintf included: MinGW's own printf registers a lock clean-up with atexit. Format with
//   wsprintfA (user32) or by hand (config/Decimal.cpp).
// - No exceptions: std::stoi and the other std::sto* functions, and anything else that needs a std::__throw_* not
//   defined below (std::__throw_invalid_argument here), bring in libstdc++'s functexcept.o, whose copies clash with
//   ours: "multiple definition of `std::__throw_length_error(char const*)'" and the rest.
// - No message on a failed check: a libstdc++ assertion (an index past the end, back() of an empty vector) or a
//   failed allocation ends the program through abort() with exit code 3, nothing on stdout or stderr and no message
//   box (seen under Wine, with the 64-bit build). app/QuietAssert.h keeps the checks' texts out of the exe, so
//   there is none to show.
#include <windows.h>

#include <cstdlib>
#include <new>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

// Defined by the linker: the program's own image, and the list of static constructors, laid out as -1, the
// constructors, 0.
extern "C" IMAGE_DOS_HEADER __ImageBase;
extern "C" void (*__CTOR_LIST__[])();

// Linked with -nostartfiles, so this is the process entry: msvcrt sets itself up in its own DLL start-up, the program
// reads no command line, uses no thread-local data and imports no data, so nothing else is needed before WinMain.
// Its name clashes with the MinGW start-up's, so a link that brings that back fails instead of running two.
// Windows enters a 32-bit program with the stack aligned to 4 bytes only; like MinGW's own start-up, realign it to
// the 16 bytes that GCC's code assumes.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    // Static constructors, should one ever be added; like MinGW's own start-up, run them the last one first.
    std::size_t count = 0;
    while (__CTOR_LIST__[count + 1]) ++count;
    while (count) __CTOR_LIST__[count--]();

    static char noArguments[1];
    WinMain(reinterpret_cast<HINSTANCE>(&__ImageBase), nullptr, noArguments, SW_SHOWDEFAULT);
    ExitProcess(0);
}

void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) std::abort();
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace std {
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
// Only for code built without app/QuietAssert.h, which makes a failed check call abort() directly.
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { std::abort(); }
}  // namespace std
