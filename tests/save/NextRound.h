// Rounds of a test that each need fresh dialogs: the next round's start while this one runs, in a folder of its own.
#pragma once

#include <functional>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/DialogProcess.h"
#include "tests/support/GameFolder.h"

using Dialogs = std::vector<std::unique_ptr<DialogProcess>>;

struct Round {
    const GameFolder* game;
    Dialogs dialogs;
};

// Two game folders take turns: while a round's dialogs save in one, the next round's start in the other, since
// starting a program under Wine takes longer than most saves. Dialogs of different folders never wait on each other.
class NextRound {
public:
    // The open function lays out a folder's file and starts its dialogs, on a thread of its own; the first round
    // starts at once.
    NextRound(const std::string& name, std::function<Dialogs(const GameFolder&)> open)
        : games_{GameFolder(name + ".0"), GameFolder(name + ".1")}, open_(std::move(open)) {
        Start();
    }

    // The next round, its dialogs up; with more to come, the round after it begins to start.
    Round Take(bool more) {
        Round round = next_.get();
        if (more) Start();
        return round;
    }
    const GameFolder& Folder(size_t index) const { return games_[index]; }

private:
    void Start() {
        const GameFolder* game = &games_[started_++ % 2];
        next_ = std::async(std::launch::async, [this, game] { return Round{game, open_(*game)}; });
    }

    GameFolder games_[2];
    std::function<Dialogs(const GameFolder&)> open_;
    size_t started_ = 0;
    // Last, so that a round still starting is waited for before the folders go.
    std::future<Round> next_;
};
