// Waiting for what a real window shows: polled, with a generous bound, never
// a fixed sleep.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

inline bool pollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
                      std::chrono::milliseconds step = std::chrono::milliseconds(100)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(step);
    }
    return condition();
}
