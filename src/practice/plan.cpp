// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/plan.h"

#include "base/text.h"
#include "stats/records.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace practice {

namespace {

constexpr std::size_t kWeakestKeys = 3;
constexpr std::size_t kShortest = 2;  // characters of a list word worth a try
constexpr std::size_t kLongest = 12;  // longer ones are more about stamina than keys
constexpr double kReadSeconds = 1.0;

// Draws up to `count` of the weighted items, without repeats, the heavier the likelier
// (each item's key is u^(1/weight); the largest keys win).
template <typename Item>
std::vector<Item> drawWeighted(std::vector<std::pair<Item, double>> items, std::size_t count,
                               std::mt19937& random) {
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<std::pair<double, std::size_t>> keys;
    keys.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        keys.emplace_back(std::pow(uniform(random), 1.0 / items[i].second), i);
    }
    count = std::min(count, keys.size());
    std::partial_sort(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(count), keys.end(),
                      std::greater<>());
    std::vector<Item> drawn;
    for (std::size_t i = 0; i < count; ++i) {
        drawn.push_back(std::move(items[keys[i].second].first));
    }
    return drawn;
}

}  // namespace

std::vector<WeakKey> weakKeys(const stats::PracticeHistory& history) {
    std::vector<WeakKey> rated;
    for (const auto& key : history.keys) {
        if (key.attempts >= stats::kColourAttempts && key.errors > 0 && !key.character.isSpace()) {
            rated.push_back({key.character,
                             static_cast<double>(key.errors) / static_cast<double>(key.attempts),
                             QChar()});
        }
    }
    std::sort(rated.begin(), rated.end(), [](const WeakKey& a, const WeakKey& b) {
        return a.errorRate != b.errorRate ? a.errorRate > b.errorRate : a.character < b.character;
    });
    rated.resize(std::min(rated.size(), kWeakestKeys));
    for (const auto& mixup : history.mixups) {
        const bool named = std::any_of(rated.begin(), rated.end(), [&](const WeakKey& key) {
            return key.character == mixup.due;
        });
        if (!named && !mixup.due.isSpace()) {
            const auto found =
                std::find_if(history.keys.begin(), history.keys.end(),
                             [&](const auto& key) { return key.character == mixup.due; });
            const double rate =
                found != history.keys.end() && found->attempts > 0
                    ? static_cast<double>(found->errors) / static_cast<double>(found->attempts)
                    : 0;
            rated.push_back({mixup.due, rate, mixup.typed});
        }
    }
    return rated;
}

std::vector<PlannedWord> planRun(const stats::PracticeHistory& history, const base::TextLines& list,
                                 std::mt19937& random) {
    std::vector<std::pair<std::string, double>> mistakes;
    for (const auto& word : history.words) {
        std::string bytes = base::toBytesLossy(word.word);
        if (!bytes.empty()) {
            mistakes.emplace_back(std::move(bytes), word.missed + word.mistyped);
        }
    }
    std::vector<std::string> fromMistakes = drawWeighted(mistakes, kMostFromMistakes, random);

    // Each byte's weight: how weak the key it types is.
    std::array<double, 256> weight{};
    const auto& table = base::windows1252Table();
    for (const WeakKey& key : weakKeys(history)) {
        for (std::size_t code = 0; code < table.size(); ++code) {
            if (table[code] == key.character.unicode()) {
                weight[code] = 1.0 + key.errorRate;
            }
        }
    }
    std::vector<std::pair<std::string, double>> exercising;
    for (const auto& span : list.lines) {
        const std::string_view word(list.text.data() + span.offset, span.length);
        // A control character is nothing a player can type: a damaged or binary list
        // gives no such word.
        const bool typeable = std::none_of(word.begin(), word.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == '\x7f';
        });
        if (!typeable || word.size() < kShortest || word.size() > kLongest ||
            std::find(fromMistakes.begin(), fromMistakes.end(), word) != fromMistakes.end()) {
            continue;
        }
        double sum = 0;
        for (const char c : word) {
            sum += weight[static_cast<unsigned char>(c)];
        }
        if (sum > 0) {
            // By the share of the word that practises, so that long words do not win by
            // length alone.
            exercising.emplace_back(std::string(word), sum / static_cast<double>(word.size()));
        }
    }
    // A list holds a word once as a rule; one that repeats it gives it once here.
    const std::size_t wanted = kRunWords - fromMistakes.size();
    std::vector<std::string> fromList = drawWeighted(std::move(exercising), 2 * wanted, random);
    for (auto i = fromList.begin(); i != fromList.end();) {
        i = std::find(fromList.begin(), i, *i) != i ? fromList.erase(i) : i + 1;
    }
    fromList.resize(std::min(fromList.size(), wanted));

    std::vector<PlannedWord> run;
    for (const std::string& word : fromMistakes) {
        run.push_back({word, true});
    }
    for (const std::string& word : fromList) {
        run.push_back({word, false});
    }
    for (std::size_t i = 0; !fromMistakes.empty() && run.size() < kRunWords; ++i) {
        run.push_back({fromMistakes[i % fromMistakes.size()], true});
    }
    std::shuffle(run.begin(), run.end(), random);
    return run;
}

Pace::Pace(double wordsPerMinute)
    : wordsPerMinute_(std::clamp(wordsPerMinute, kSlowest, kFastest)) {}

Pace Pace::fromRecentGames(const stats::PracticeHistory& history) {
    return Pace(history.recentGames > 0 && history.recentWordsPerMinute > 0
                    ? history.recentWordsPerMinute * kStartShare
                    : kFirstRun);
}

std::int32_t Pace::speedFor(int characters, int distance, int tickMs) const {
    const double seconds = characters / 5.0 / wordsPerMinute_ * 60.0 + kReadSeconds;
    const double ticks = seconds * 1000.0 / tickMs;
    return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::ceil(distance / ticks)));
}

void Pace::afterWord(bool completed, double wayLeft) {
    double factor = 1.0;
    if (!completed) {
        factor = 0.8;
    } else if (wayLeft > 0.5) {
        factor = 1.1;
    } else if (wayLeft < 0.25) {
        factor = 0.95;
    }
    wordsPerMinute_ = std::clamp(wordsPerMinute_ * factor, kSlowest, kFastest);
}

}  // namespace practice
