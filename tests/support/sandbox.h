// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/context.h"
#include "doubles.h"
#include "ui/form.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <string>
#include <vector>

namespace testing {

// A program folder and a working directory of its own, with the doubles a window needs.
// The working directory is the program folder unless a test moves it.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();

    QString programDir() const { return programFolder.path(); }
    QString workDir() const { return workFolder.path(); }
    // Runs the game from a working directory other than its program folder.
    void separateWorkDir();

    void writeFile(const QString& path, const std::string& bytes) const;
    std::string readFile(const QString& path) const;
    QString inProgram(const char* name) const;
    QString inWork(const char* name) const;

    // Runs a window's start-up as the program does, through the window guard. Returns
    // whether it ended the program.
    bool load(ui::Form& window);

    // Word files in the working directory and an existing, empty highscore file.
    void prepareGame(const std::vector<std::string>& words,
                     const std::vector<std::string>& bonusWords = {"bonuswoord"});

    ScriptedDialogs dialogs;
    ScriptedRandom random;
    std::vector<int> ends;
    app::Context context;

private:
    QTemporaryDir programFolder;
    QTemporaryDir workFolder;
    QString previousDir;
    bool separate = false;
};

// The labels and buttons of a window whose text does not fit inside its box.
QStringList unfittedTexts(QWidget& window);

}  // namespace testing
