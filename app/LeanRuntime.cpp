// Keeps the C runtime's start-up and the exception runtime out of the program: most of a small exe is otherwise theirs.
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
extern "C" void WinMainCRTStartup() {
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
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { std::abort(); }
}  // namespace std
