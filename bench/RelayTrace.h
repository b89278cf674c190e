// What a program left behind, read from Wine's relay trace, since GetGuiResources gives 0 under Wine.
#pragma once

#include <cstdint>
#include <string>

struct Teardown {
    bool traced = false;  // the trace held calls of the program's own code
    int objectsMade = 0;  // GDI objects and device contexts
    int objectsLeft = 0;
    int windowsMade = 0;
    int windowsLeft = 0;
};

// Reads a trace made with WINEDEBUG=+pid,+relay and counts the GDI objects and windows that the program's own code
// made (the calls that return into its image, [base, base + size) in process processId), less those it deleted or
// destroyed before it exited; a window also goes with its parent.
Teardown ReadRelayTrace(const std::string& path, unsigned long processId, uint64_t base, uint64_t size);
