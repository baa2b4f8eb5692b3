// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "doubles.h"

#include "data/cipher.h"
#include "data/highscores.h"

#include <algorithm>

#include <sys/resource.h>

#include <csignal>

namespace testing {

void ScriptedDialogs::runDuring() {
    if (!during.empty()) {
        auto action = std::move(during.front());
        during.pop_front();
        action();
    }
}

int ScriptedDialogs::msgBox(std::string_view prompt, int style, std::string_view title) {
    calls.push_back({"msgBox", std::string(prompt), style, std::string(title)});
    runDuring();
    if ((style & 0x7) != base::kYesNo) {
        return base::kOk;
    }
    if (buttons.empty()) {
        ++unexpected;
        return base::kNo;
    }
    const int button = buttons.front();
    buttons.pop_front();
    return button;
}

base::InputAnswer ScriptedDialogs::inputBox(std::string_view prompt, std::string_view title,
                                            std::string_view) {
    calls.push_back({"inputBox", std::string(prompt), 0, std::string(title)});
    runDuring();
    if (inputs.empty()) {
        ++unexpected;
        return {};
    }
    base::InputAnswer answer = std::move(inputs.front());
    inputs.pop_front();
    return answer;
}

float ScriptedRandom::next() {
    ++drawn;
    if (queue.empty()) {
        return fallback;
    }
    const float value = queue.front();
    queue.pop_front();
    return value;
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

FileSizeLimit::FileSizeLimit(long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    saved_ = limit.rlim_cur;
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(saved_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, savedHandler_);
}

std::string highscoreFileFor(const std::string& plain) {
    return data::EncryptString(plain, data::kHighscoreKey) + "\r\n";
}

int VectorList::emptyEntries() const {
    return static_cast<int>(std::count(entries.begin(), entries.end(), std::string()));
}

int VectorList::addItem(std::string_view entry) {
    entries.emplace_back(entry);
    return count() - 1;
}

void VectorList::assignLines(base::TextLines&& lines) {
    entries.clear();
    for (const auto& span : lines.lines) {
        entries.emplace_back(lines.text, span.offset, span.length);
    }
}

}  // namespace testing
