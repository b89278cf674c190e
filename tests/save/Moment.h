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
// goes on (starting a program, waiting for one). The destructor waits until the action has run or been cancelled.
class OneShot {
public:
    OneShot(DWORD ms, std::function<void()> action) : action_(std::make_unique<std::function<void()>>(action)) {
        CreateTimerQueueTimer(&timer_, nullptr, Run, action_.get(), ms, 0, WT_EXECUTEONLYONCE);
    }
    OneShot(const OneShot&) = delete;
    OneShot& operator=(const OneShot&) = delete;
    ~OneShot() {
        if (timer_) DeleteTimerQueueTimer(nullptr, timer_, INVALID_HANDLE_VALUE);
    }

    bool Set() const { return timer_ != nullptr; }

private:
    static VOID CALLBACK Run(PVOID action, BOOLEAN) { (*static_cast<std::function<void()>*>(action))(); }

    std::unique_ptr<std::function<void()>> action_;
    HANDLE timer_ = nullptr;
};
