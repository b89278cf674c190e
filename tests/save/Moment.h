// The moment of a fault is a time, not a condition: a clock, and an action run once at a given time from now.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Ms() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - start_.QuadPart) * 1000.0 / double(frequency.QuadPart);
    }
    // Returns at that many milliseconds after the start; it yields rather than sleeps, whose steps are too coarse.
    void HoldUntil(double ms) const {
        while (Ms() < ms) SwitchToThread();
    }

private:
    LARGE_INTEGER start_;
};

// Runs the action once, that many milliseconds from now, on a thread of the system's timer queue, while this thread
// goes on (starting a program, waiting for one). The destructor waits until the action has run: a click that never
// came would leave its dialog waiting for ever.
class OneShot {
public:
    OneShot(DWORD ms, std::function<void()> action)
        : due_(ms), shot_(std::make_unique<Shot>(Shot{std::move(action), CreateEventA(nullptr, TRUE, FALSE, nullptr)})) {
        CreateTimerQueueTimer(&timer_, nullptr, Run, shot_.get(), ms, 0, WT_EXECUTEONLYONCE);
    }
    OneShot(const OneShot&) = delete;
    OneShot& operator=(const OneShot&) = delete;
    ~OneShot() {
        if (timer_) {
            WaitForSingleObject(shot_->ran, due_ + 20000);
            DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE);
        }
        CloseHandle(shot_->ran);
    }

    bool Set() const { return timer_ != nullptr; }

private:
    struct Shot {
        std::function<void()> action;
        HANDLE ran;
    };
    static VOID CALLBACK Run(PVOID shot, BOOLEAN) {
        auto* self = static_cast<Shot*>(shot);
        self->action();
        SetEvent(self->ran);
    }

    DWORD due_;
    std::unique_ptr<Shot> shot_;
    HANDLE timer_ = nullptr;
};
