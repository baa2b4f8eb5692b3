// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a file into the folder the game takes as its own, as start-up does with its word
// list. The folder-name test runs it from a folder whose name is not valid UTF-8.
#include "app/gamefolder.h"
#include "data/files.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    data::saveWholeFile(QDir(app::executableFolder()).filePath(QStringLiteral("probe.txt")),
                        "ok\r\n");
    return 0;
}
