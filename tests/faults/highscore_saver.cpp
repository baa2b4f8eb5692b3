// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes highscores in a row through the real "Schrijf Highscore", as fast as it can or
// with a random pause of up to `gap` ms between saves: entry i is "i, <name>". The kill
// test stops it at random moments; the shared-folder tests run several at once in one
// folder, on one machine or on several. A save that has to wait is tried again at once, as
// a patient player would; any other message fails it. Prints how long the saves took and
// how often a save had to wait.
// Usage: highscore_saver <folder with the word lists and highscores.txt> [saves] [name] [gap]
#include "doubles.h"
#include "game/form1.h"

#include <QApplication>
#include <QDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace {

class PatientPlayer : public testing::ScriptedDialogs {
public:
    int msgBox(std::string_view prompt, int style, std::string_view title) override {
        ScriptedDialogs::msgBox(prompt, style, title);
        if ((style & base::kYesNo) != 0) {
            std::fprintf(stderr, "waited: %.*s\n", static_cast<int>(prompt.size()), prompt.data());
            ++waits;
            return base::kYes;
        }
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(prompt.size()), prompt.data());
        ++messages;
        return base::kOk;
    }
    int waits = 0;
    int messages = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr, "usage: highscore_saver <folder> [saves] [name] [gap ms]\n");
        return 2;
    }
    const int saves = argc > 2 ? std::atoi(argv[2]) : 200;
    const std::string name = argc > 3 ? argv[3] : "Speler";
    const int gapMs = argc > 4 ? std::atoi(argv[4]) : 0;
    std::minstd_rand pauses{std::random_device{}()};
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    PatientPlayer dialogs;
    base::ClockRandom random;
    app::Context context{dialogs, random, QDir::currentPath(), [](int code) { std::exit(code); }};
    Form1 form(context);
    const auto start = std::chrono::steady_clock::now();
    context.guard([&] {
        form.Form_Load();
        for (int i = 0; i < saves; ++i) {
            form.scorelbl.setCaption(std::to_string(i));
            dialogs.answerInput({name, true});
            form.Command3_Click();
            if (gapMs > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(pauses() % (gapMs + 1)));
            }
        }
    });
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%d saved in %.1f ms, %d waited\n", saves, ms.count(), dialogs.waits);
    return dialogs.messages == 0 ? 0 : 3;
}
