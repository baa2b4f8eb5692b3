// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the entries of a highscore file, one per line, as the game reads them.
// Usage: highscore_entries <highscores.txt>
#include "data/files.h"
#include "data/highscores.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: highscore_entries <file>\n";
        return 2;
    }
    try {
        for (const std::string& entry :
             data::highscoreEntries(data::readWholeFile(QString::fromLocal8Bit(argv[1])))) {
            std::cout << entry << '\n';
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
