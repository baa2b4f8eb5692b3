// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes 200 highscores in a row through the real "Schrijf Highscore", as fast as it can:
// entry i is "i, Speler". The kill test stops it at random moments.
// Usage: highscore_saver <folder with the word lists and highscores.txt>
#include "doubles.h"
#include "game/form1.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: highscore_saver <folder>\n");
        return 2;
    }
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    testing::ScriptedDialogs dialogs;
    base::ClockRandom random;
    ui::Context context{dialogs, random, QDir::currentPath(), [](int code) { std::exit(code); }};
    Form1 form(context);
    context.guard([&] {
        form.Form_Load();
        for (int i = 0; i < 200; ++i) {
            form.scorelbl.setCaption(std::to_string(i));
            dialogs.answerInput({"Speler", true});
            form.Command3_Click();
        }
    });
    std::puts("200 saved");
    return 0;
}
