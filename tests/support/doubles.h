// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/dialogs.h"
#include "base/listitems.h"
#include "base/random.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing {

// Records every box the game shows and answers from a script.
class ScriptedDialogs : public base::Dialogs {
public:
    struct Call {
        std::string kind;  // "msgBox" or "inputBox"
        std::string text;
        int style = 0;
        std::string title;
    };

    int msgBox(std::string_view prompt, int style, std::string_view title = {}) override;
    base::InputAnswer inputBox(std::string_view prompt, std::string_view title,
                               std::string_view defaultText) override;

    // Answers for the next Yes/No boxes and input boxes, in order. A Yes/No box without
    // a scripted answer counts as unexpected and answers No.
    void answer(int button) { buttons.push_back(button); }
    void answerInput(base::InputAnswer text) { inputs.push_back(std::move(text)); }
    // Runs while the next box is open, as a timer tick would.
    void whileNextBoxOpen(std::function<void()> action) { during.push_back(std::move(action)); }

    std::vector<Call> calls;
    int unexpected = 0;

private:
    void runDuring();
    std::deque<int> buttons;
    std::deque<base::InputAnswer> inputs;
    std::deque<std::function<void()>> during;
};

// Hands out scripted numbers; once they run out, the fallback.
class ScriptedRandom : public base::Random {
public:
    float next() override;
    void reseedFromClock() override { ++reseeds; }
    void script(std::initializer_list<float> values) { queue.insert(queue.end(), values); }

    std::deque<float> queue;
    float fallback = 0.0f;
    int drawn = 0;
    int reseeds = 0;
};

// Word-file bytes: each line followed by CR LF.
std::string crlfLines(const std::vector<std::string>& lines);

// A highscore file holding this plain text: enciphered, then a plain CR LF.
std::string highscoreFileFor(const std::string& plain);

// Limits the size of files this process writes, for root as for anyone: a write past the
// limit fails part-way, as on a full disk. Lifted again when it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long saved_;
    void (*savedHandler_)(int);
};

// A plain list double for routines that fill lists.
class VectorList : public base::ListItems {
public:
    int count() const override { return static_cast<int>(entries.size()); }
    std::string_view item(int index) const override { return entries.at(index); }
    int emptyEntries() const override;
    void clear() override {
        entries.clear();
        ++clears;
    }
    int addItem(std::string_view entry) override;
    void removeItem(int index) override { entries.erase(entries.begin() + index); }
    void assignLines(base::TextLines&& lines) override;

    std::vector<std::string> entries;
    int clears = 0;
};

}  // namespace testing
