// The damages, drawn so that a printed seed makes the same files with any standard library.
#include "tests/corpus/Mutations.h"

#include <vector>

namespace {

class Damage {
public:
    // Plain modulo: std::uniform_int_distribution gives other numbers in another library.
    Damage(std::string& bytes, std::mt19937& random) : bytes_(bytes), random_(random) {}

    size_t Below(size_t n) { return n ? size_t(random_() % n) : 0; }

    std::string FlipBytes() {
        size_t count = 1 + Below(8);
        for (size_t i = 0; i < count && !bytes_.empty(); ++i) bytes_[Below(bytes_.size())] ^= char(1 + Below(255));
        return "flipped " + std::to_string(count) + " bytes";
    }

    std::string CutLine() {
        size_t at = Below(bytes_.size() + 1);
        size_t end = std::min(bytes_.find_first_of("\r\n", at), bytes_.size());
        // Sometimes the line break goes too, which joins two lines.
        if (Below(2) && end < bytes_.size()) ++end;
        bytes_.erase(at, end - at);
        return "cut a line at " + std::to_string(at);
    }

    std::string RepeatSection() {
        std::vector<size_t> starts = LineStarts('[');
        if (starts.empty()) return "no section to repeat";
        size_t start = starts[Below(starts.size())];
        size_t end = bytes_.size();
        for (size_t next : starts)
            if (next > start) end = std::min(end, next);
        std::string section = bytes_.substr(start, end - start);
        std::vector<size_t> places = LineStarts(0);
        size_t to = places.empty() ? bytes_.size() : places[Below(places.size())];
        bytes_.insert(to, section);
        return "repeated the section at " + std::to_string(start) + " at " + std::to_string(to);
    }

    std::string LongValue() {
        // Longer than any buffer a reader might start with, and sometimes past what a write can carry.
        static const size_t kLengths[] = {2047, 2048, 4096, 30000, 32766, 40000, 70000};
        size_t length = kLengths[Below(sizeof kLengths / sizeof kLengths[0])];
        std::string value;
        for (size_t i = 0; value.size() < length; ++i) value += char('a' + (i * 7 + length) % 26);
        size_t equals = bytes_.find('=', Below(bytes_.size() + 1));
        if (equals == std::string::npos || Below(3) == 0) {
            bytes_ += "\r\nlong_key=" + value + "\r\n";
            return "appended a key of " + std::to_string(length) + " characters";
        }
        bytes_.insert(equals + 1, value);
        return "lengthened the value at " + std::to_string(equals) + " by " + std::to_string(length);
    }

    std::string StrayBytes() {
        static const char kStray[] = {'\r', '\n', '\0', '=', '[', ']', ';', '"'};
        size_t count = 1 + Below(4);
        for (size_t i = 0; i < count; ++i) bytes_.insert(Below(bytes_.size() + 1), 1, kStray[Below(sizeof kStray)]);
        return "inserted " + std::to_string(count) + " stray bytes";
    }

    std::string CutEnd() {
        size_t at = Below(bytes_.size() + 1);
        bytes_.resize(at);
        return "cut the file at " + std::to_string(at);
    }

private:
    // Offsets of the lines that start with the character (any line for 0).
    std::vector<size_t> LineStarts(char first) {
        std::vector<size_t> starts;
        for (size_t at = 0; at < bytes_.size(); ++at) {
            bool lineStart = at == 0 || bytes_[at - 1] == '\n' || bytes_[at - 1] == '\r';
            if (lineStart && (first == 0 || bytes_[at] == first)) starts.push_back(at);
        }
        return starts;
    }

    std::string& bytes_;
    std::mt19937& random_;
};

}  // namespace

Mutant Mutate(const std::string& bytes, std::mt19937& random) {
    Mutant mutant{bytes, std::string()};
    Damage damage(mutant.bytes, random);
    size_t count = 1 + damage.Below(3);
    for (size_t i = 0; i < count; ++i) {
        std::string done;
        switch (damage.Below(6)) {
            case 0: done = damage.FlipBytes(); break;
            case 1: done = damage.CutLine(); break;
            case 2: done = damage.RepeatSection(); break;
            case 3: done = damage.LongValue(); break;
            case 4: done = damage.StrayBytes(); break;
            default: done = damage.CutEnd(); break;
        }
        mutant.story += (mutant.story.empty() ? "" : "; ") + done;
    }
    return mutant;
}
