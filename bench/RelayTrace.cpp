// Lines look like "0104:0108:Call user32.DestroyWindow(00010062) ret=00401a2b" and
// "0104:0108:Ret  user32.DestroyWindow() retval=00000001 ret=00401a2b".
#include "bench/RelayTrace.h"

#include <cstdio>
#include <map>
#include <set>
#include <vector>

namespace {

uint64_t Hex(const std::string& text, size_t at = 0) {
    uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) break;
        value = value * 16 + uint64_t(digit);
    }
    return value;
}

bool StartsWith(const std::string& text, size_t at, const char* prefix) { return text.compare(at, std::string(prefix).size(), prefix) == 0; }

// The arguments of a call as numbers; a text shown after its pointer (" \"...\"" or " L\"...\"") may hold commas.
std::vector<uint64_t> Arguments(const std::string& list) {
    std::string bare;
    for (size_t i = 0; i < list.size(); ++i) {
        const bool text = list[i] == ' ' && (StartsWith(list, i + 1, "\"") || StartsWith(list, i + 1, "L\""));
        if (!text) {
            bare += list[i];
            continue;
        }
        i = list.find('"', i) + 1;
        while (i < list.size() && list[i] != '"') i += list[i] == '\\' ? 2 : 1;
    }
    std::vector<uint64_t> arguments;
    for (size_t start = 0; start <= bare.size();) {
        size_t comma = bare.find(',', start);
        if (comma == std::string::npos) comma = bare.size();
        arguments.push_back(Hex(bare, start));
        start = comma + 1;
    }
    return arguments;
}

struct Ledger {
    std::vector<uint64_t> pendingParents;  // of the CreateWindowEx calls not yet returned, innermost last
    std::map<uint64_t, uint64_t> windowParent;
    std::set<uint64_t> destroyed;
    std::set<uint64_t> objects;
    int painting = 0;
    Teardown figures;

    void Call(const std::string& name, const std::vector<uint64_t>& args) {
        auto arg = [&](size_t n) { return n < args.size() ? args[n] : 0; };
        if (StartsWith(name, 0, "user32.CreateWindowEx")) pendingParents.push_back(arg(8));
        else if (name == "user32.DestroyWindow") destroyed.insert(arg(0));
        else if (name == "gdi32.DeleteObject" || name == "gdi32.DeleteDC") objects.erase(arg(0));
        else if (name == "user32.ReleaseDC") objects.erase(arg(1));
        else if (name == "user32.BeginPaint") ++painting;
        else if (name == "user32.EndPaint") --painting;
    }

    void Return(const std::string& name, uint64_t value) {
        if (StartsWith(name, 0, "user32.CreateWindowEx")) {
            uint64_t parent = 0;
            if (!pendingParents.empty()) {
                parent = pendingParents.back();
                pendingParents.pop_back();
            }
            if (value) {
                windowParent[value] = parent;
                ++figures.windowsMade;
            }
        } else if (StartsWith(name, 0, "gdi32.Create") || StartsWith(name, 0, "gdi32.ExtCreate") ||
                   StartsWith(name, 0, "user32.GetDC") || StartsWith(name, 0, "user32.GetWindowDC")) {
            if (value) {
                objects.insert(value);
                ++figures.objectsMade;
            }
        }
    }

    Teardown Close() {
        figures.objectsLeft = painting + int(objects.size());
        for (const auto& window : windowParent) {
            bool gone = false;
            uint64_t at = window.first;
            for (size_t steps = 0; !gone && steps <= windowParent.size(); ++steps) {
                gone = destroyed.count(at) != 0;
                auto up = windowParent.find(at);
                if (up == windowParent.end()) break;
                at = up->second;
            }
            if (!gone) ++figures.windowsLeft;
        }
        return figures;
    }
};

}  // namespace

Teardown ReadRelayTrace(const std::string& path, unsigned long processId, uint64_t base, uint64_t size) {
    Ledger ledger;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return ledger.figures;
    char pidText[16];
    snprintf(pidText, sizeof pidText, "%04lx:", processId);
    std::string line;
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, file)) {
        line += buffer;
        if (line.back() != '\n' && !feof(file)) continue;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        const std::string whole = std::move(line);
        line.clear();
        if (!StartsWith(whole, 0, pidText)) continue;
        const size_t ret = whole.rfind(" ret=");
        if (ret == std::string::npos) continue;
        const uint64_t caller = Hex(whole, ret + 5);
        if (caller < base || caller >= base + size) continue;
        // After "pid:tid:" comes "Call " or "Ret  ".
        const size_t kind = whole.find(':', std::string(pidText).size()) + 1;
        if (kind == 0) continue;
        const size_t name = kind + 5, open = whole.find('(', name);
        if (open == std::string::npos) continue;
        ledger.figures.traced = true;
        if (StartsWith(whole, kind, "Call ")) {
            const size_t close = whole.rfind(')', ret);
            ledger.Call(whole.substr(name, open - name), Arguments(whole.substr(open + 1, close - open - 1)));
        } else if (StartsWith(whole, kind, "Ret  ")) {
            const size_t value = whole.find(" retval=", open);
            if (value != std::string::npos) ledger.Return(whole.substr(name, open - name), Hex(whole, value + 8));
        }
    }
    fclose(file);
    return ledger.Close();
}
