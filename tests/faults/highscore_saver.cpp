// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes highscores in a row through the real "Schrijf Highscore", as fast as it can:
// entry i is "i, <name>". The kill test stops it at random moments; the shared-folder test
// runs several at once in one folder. Prints how long the saves took.
// Usage: highscore_saver <folder with the word lists and highscores.txt> [saves] [name]
#include "doubles.h"
#include "game/form1.h"

#include <QApplication>
#include <QDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: highscore_saver <folder> [saves] [name]\n");
        return 2;
    }
    const int saves = argc > 2 ? std::atoi(argv[2]) : 200;
    const std::string name = argc > 3 ? argv[3] : "Speler";
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    testing::ScriptedDialogs dialogs;
    base::ClockRandom random;
    ui::Context context{dialogs, random, QDir::currentPath(), [](int code) { std::exit(code); }};
    Form1 form(context);
    const auto start = std::chrono::steady_clock::now();
    context.guard([&] {
        form.Form_Load();
        for (int i = 0; i < saves; ++i) {
            form.scorelbl.setCaption(std::to_string(i));
            dialogs.answerInput({name, true});
            form.Command3_Click();
        }
    });
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%d saved in %.1f ms\n", saves, ms.count());
    return 0;
}
