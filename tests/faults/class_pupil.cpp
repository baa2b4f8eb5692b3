// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil's game in a class folder: the real main window and the real statistics, kept
// where the game keeps them, started in the folder as a copy of the game there would be.
// Every message is printed ("message: …"); a question to try again is answered No. Then
// the steps, in order:
//   save        writes a highscore "1100, <name>"
//   play        completes one word, so the statistics are written
//   wait:<file> waits until <file> exists (another pupil's turn)
// Prints "started", "statistics: <file>" and "done"; exits 1 when start-up ended the game.
// Usage: class_pupil <folder> <name> [step...]
#include "app/gamefolder.h"
#include "doubles.h"
#include "game/form1.h"
#include "stats/typingstatistics.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <string>

namespace {

class Pupil : public testing::ScriptedDialogs {
public:
    int msgBox(std::string_view prompt, int style, std::string_view title) override {
        ScriptedDialogs::msgBox(prompt, style, title);
        std::printf("message: %.*s\n", static_cast<int>(prompt.size()), prompt.data());
        std::fflush(stdout);
        return (style & base::kYesNo) != 0 ? base::kNo : base::kOk;
    }
};

void step(Form1& form, Pupil& dialogs, const std::string& what, const std::string& name) {
    if (what == "save") {
        form.scorelbl.setCaption("1100");
        dialogs.answerInput({name, true});
        form.Command3_Click();
    } else if (what == "play") {
        form.Command1_Click();
        QTest::keyClicks(&form.invoer, QString::fromLatin1(form.currentWord.c_str()));
    } else if (what.starts_with("wait:")) {
        while (!QFileInfo::exists(QString::fromStdString(what.substr(5)))) {
            QThread::msleep(20);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: class_pupil <folder> <name> [save|play|wait:<file>]...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const std::string name = argv[2];
    QDir::setCurrent(folder);
    Pupil dialogs;
    base::ClockRandom random;
    app::Context context{dialogs, random, folder, [](int code) {
                             std::fflush(stdout);
                             std::_Exit(code == 0 ? 1 : code);
                         }};
    const app::StatisticsFile kept = app::statisticsFile(folder);
    stats::TypingStatistics statistics(kept);
    context.statistics = &statistics;
    Form1 form(context);
    context.guard([&] { form.Form_Load(); });
    std::printf("started\nstatistics: %s\n", qPrintable(kept.path));
    std::fflush(stdout);
    context.guard([&] {
        for (int i = 3; i < argc; ++i) {
            step(form, dialogs, argv[i], name);
        }
    });
    if (statistics.store().failed()) {
        std::printf("statistics off: %s\n", qPrintable(statistics.store().failure()));
    }
    std::printf("done\n");
    return 0;
}
