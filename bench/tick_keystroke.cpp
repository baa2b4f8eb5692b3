// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Nanoseconds per movement tick and per keystroke with a given word list loaded. Runs the
// real main window on Qt's offscreen platform: start-up, Start Level, then ticks (the
// handler alone, and the handler with the repaint it causes) and keystrokes typed into
// the typing box that complete nothing. With --statistics the game keeps its typing
// statistics as the program does, and the recording of a keystroke is also timed alone.
//
// Usage: tick_keystroke <folder holding woordenlijst.txt and bonuslijst.txt> [--statistics]

#include "base/dialogs.h"
#include "base/failure.h"
#include "base/random.h"
#include "console_dialogs.h"
#include "game/form1.h"
#include "stats/typingstatistics.h"
#include "timing.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

using bench::Clock;

double nsPer(Clock::duration d, int n) {
    return std::chrono::duration<double, std::nano>(d).count() / n;
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    const bool recording = argc == 3 && std::strcmp(argv[2], "--statistics") == 0;
    if (argc != 2 && !recording) {
        std::cerr << "usage: tick_keystroke <folder with the word lists> [--statistics]\n";
        return 2;
    }
    QTemporaryDir programDir;
    QFile(programDir.filePath("highscores.txt")).open(QIODevice::WriteOnly);
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));

    ConsoleDialogs dialogs;
    base::ClockRandom random;
    app::Context context{dialogs, random, programDir.path(), [](int code) { std::exit(code); }};
    stats::TypingStatistics statistics(programDir.filePath("statistieken.sqlite"));
    if (recording) {
        context.statistics = &statistics;
    }
    Form1 form(context);
    try {
        form.Form_Load();
    } catch (const base::ProgramEnd& end) {
        return end.exitCode;
    }
    form.show();
    QApplication::setActiveWindow(&form);
    form.Command1_Click();
    form.Timer1.setEnabled(false);  // the benchmark runs the ticks itself
    QApplication::processEvents();

    const auto keepRunning = [&] {
        if (form.snel.left() <= 1000) {
            form.snel.setLeft(form.startLeft);
        }
    };
    constexpr int kTicks = 200000;
    auto start = Clock::now();
    for (int i = 0; i < kTicks; ++i) {
        form.Timer1_Timer();
        keepRunning();
    }
    const double tickNs = nsPer(Clock::now() - start, kTicks);

    constexpr int kPaintedTicks = 20000;
    start = Clock::now();
    for (int i = 0; i < kPaintedTicks; ++i) {
        form.Timer1_Timer();
        keepRunning();
        QApplication::processEvents();
    }
    const double paintedTickNs = nsPer(Clock::now() - start, kPaintedTicks);

    constexpr int kKeys = 20000;
    start = Clock::now();
    for (int i = 0; i < kKeys; i += 2) {
        QTest::keyClick(&form.invoer, Qt::Key_Q);
        QTest::keyClick(&form.invoer, Qt::Key_Backspace);
    }
    const double keyNs = nsPer(Clock::now() - start, kKeys);

    std::printf("entries %d\ntick_ns %.0f\ntick_with_repaint_ns %.0f\nkeystroke_ns %.0f\n",
                form.woordenlijst.items().count(), tickNs, paintedTickNs, keyNs);
    if (recording) {
        // What the recording adds to a keystroke: the typing box's call, with the word
        // running, a wrong and a right character in turn.
        const QString typed =
            QStringLiteral("q") + QString::fromLatin1(form.currentWord.c_str(), 1);
        constexpr int kRecorded = 10'000'000;
        start = Clock::now();
        for (int i = 0; i < kRecorded; ++i) {
            statistics.keyPressed({0, QStringView(typed).mid(i & 1, 1), false});
        }
        std::printf("recording_per_keystroke_ns %.1f\n", nsPer(Clock::now() - start, kRecorded));
    }
    return 0;
}
