// The instructions of a control's window procedure, for both builds of the program.
#include "toolkit/Thunk.h"

#include <cstdlib>
#include <new>

namespace tk {

namespace {

// Ends in a jump, not a call: nothing returns here, so the page can go while a message it routed is still handled.
#pragma pack(push, 1)
struct Code {
#if defined(__x86_64__)
    // mov rcx, target (over the window, the first argument); mov rax, route; jmp rax
    BYTE loadTarget[2] = {0x48, 0xB9};
    Control* target;
    BYTE loadRoute[2] = {0x48, 0xB8};
    RoutingProcedure route;
    BYTE jump[2] = {0xFF, 0xE0};
#elif defined(__i386__)
    // mov dword [esp+4], target (over the window, the first argument above the return address); mov eax, route;
    // jmp eax. Both procedures are stdcall with the same four arguments, so the router's return clears them.
    BYTE storeTarget[4] = {0xC7, 0x44, 0x24, 0x04};
    Control* target;
    BYTE loadRoute = 0xB8;
    RoutingProcedure route;
    BYTE jump[2] = {0xFF, 0xE0};
#else
#error "a control's window procedure is written for x86 and x86-64 only"
#endif
};
#pragma pack(pop)

}  // namespace

Thunk::Thunk(Control* target, RoutingProcedure route)
    : code_(VirtualAlloc(nullptr, sizeof(Code), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    // Like a failed allocation: the program cannot go on without its windows' procedures.
    if (!code_) std::abort();
    Code* code = new (code_) Code;
    code->target = target;
    code->route = route;
    DWORD old;
    if (!VirtualProtect(code_, sizeof(Code), PAGE_EXECUTE_READ, &old)) std::abort();
    FlushInstructionCache(GetCurrentProcess(), code_, sizeof(Code));
}

Thunk::~Thunk() { VirtualFree(code_, 0, MEM_RELEASE); }

}  // namespace tk
