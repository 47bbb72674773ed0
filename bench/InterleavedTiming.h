#ifndef PLUX_BENCH_INTERLEAVEDTIMING_H
#define PLUX_BENCH_INTERLEAVEDTIMING_H

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <vector>

// The rounds the environment's ROUNDS asks for, or `fallback` without it.
inline int RoundsFromEnvironment(int fallback) {
    const char* rounds = std::getenv("ROUNDS");
    return rounds ? std::atoi(rounds) : fallback;
}

// Times several pieces of work that take turns round after round, each round starting with the next
// of them, so that a machine that slows down or speeds up meanwhile touches all of them alike. The
// median of each is what a comparison should quote.
class TInterleavedTiming {
public:
    explicit TInterleavedTiming(int rounds) : rounds_(rounds) {}

    // Returns the work's index, for Median.
    std::size_t Add(std::function<void()> work) {
        works_.push_back(std::move(work));
        times_.emplace_back();
        return works_.size() - 1;
    }

    void Run() {
        for (int round = 0; round < rounds_; ++round) {
            for (std::size_t turn = 0; turn < works_.size(); ++turn) {
                const std::size_t index = (static_cast<std::size_t>(round) + turn) % works_.size();
                const auto start = std::chrono::steady_clock::now();
                works_[index]();
                const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
                times_[index].push_back(elapsed.count());
            }
        }
    }

    // Milliseconds.
    double Median(std::size_t index) const {
        std::vector<double> sorted = times_[index];
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0.0 : sorted[sorted.size() / 2];
    }

private:
    int rounds_;
    std::vector<std::function<void()>> works_;
    std::vector<std::vector<double>> times_;
};

#endif
