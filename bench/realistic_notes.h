#pragma once

// What the benchmarks share: their clock and medians, and note-like texts to fill lists and
// folders with.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace almanor::bench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(samples.size()));
    return samples[std::min(rank, samples.size() - 1)];
}

inline double median(const std::vector<double>& samples) {
    return percentile(samples, 0.5);
}

// Note-like text: words, commas, some line breaks, now and then a character outside ASCII.
inline std::string noteText(std::mt19937& random) {
    static const std::vector<std::string> words = {
        "call",     "Anna",       "dentist", "meeting", "buy",
        "milk,",    "eggs",       "project", "review",  "caf\u00e9",
        "5\u20ac",  "train",      "at",      "the",     "office",
        "birthday", "pay",        "rent",    "gym",     "\u201cplan\u201d",
        "Zo\u00eb", "\U0001F600", "done.",   "\r\n"};
    std::uniform_int_distribution<std::size_t> lengthPick(1, 500);
    std::uniform_int_distribution<std::size_t> wordPick(0, words.size() - 1);
    // Most notes are short; a few fill the field.
    const std::size_t length = std::min(lengthPick(random), lengthPick(random));
    std::string text;
    while (text.size() < length) {
        if (!text.empty()) {
            text += ' ';
        }
        text += words[wordPick(random)];
    }
    return text;
}

inline std::string alarmText(std::mt19937& random) {
    std::uniform_int_distribution<int> hour(1, 12);
    std::uniform_int_distribution<int> minute(0, 59);
    std::uniform_int_distribution<int> half(0, 1);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:00 %s", hour(random), minute(random),
                  half(random) ? "PM" : "AM");
    return buffer;
}

} // namespace almanor::bench
