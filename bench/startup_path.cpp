// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's start-up path for its main word list, without a window: load the file into a
// sorted list, drop the blank entry an earlier start left, write the list back. Prints the
// time the path took and the process's peak memory.
//
// Usage: startup_path <word file> <folder to write woordenlijst.txt into>

#include "base/failure.h"
#include "data/wordfile.h"
#include "ui/listmodel.h"

#include <QCoreApplication>
#include <QDir>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: startup_path <word file> <output folder>\n";
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QDir(QString::fromLocal8Bit(argv[2])).filePath("woordenlijst.txt");
    try {
        ui::ListModel woordenlijst(true);
        const auto start = std::chrono::steady_clock::now();
        data::loadWordFile(input, woordenlijst);
        data::dropBlankFirstEntry(woordenlijst);
        data::writeWordListFile(output, woordenlijst);
        const auto stop = std::chrono::steady_clock::now();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("entries %d\npath_ms %.1f\npeak_kb %ld\n", woordenlijst.count(),
                    std::chrono::duration<double, std::milli>(stop - start).count(),
                    usage.ru_maxrss);
    } catch (const base::ProgramEnd& end) {
        return end.exitCode;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
