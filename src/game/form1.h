// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/statistics.h"
#include "app/window.h"
#include "data/highscores.h"
#include "ui/controls.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Form2;
class frmAbout;

// Form1 is the main window and the whole typing game.
//
// Start-up: Form_Load reads the highscores, sets the caption, loads both word lists,
// gives the game state its start values and writes the sorted word list back; then the
// window shows and the game waits.
//
// The ring of a word: Command1_Click (the Start Level operation) draws a word and starts
// Timer1. Each Timer1_Timer counts the word's points down and moves it left; at the finish
// line it runs WordMissed, which takes a life (or the bonus) and waits for losecmd_Click,
// or ends the game through GameOver. Each invoer_Change compares the typed text with the
// word; a match runs WordCompleted, which adds the points and either ends the level (the
// tenth word) or praises the word and calls Command1_Click for the next one. goedtimer
// hides the praise again; goknipper blinks "Game Over".
//
// Every 25000 points WordCompleted runs StartBonusLevel before the next word: that word
// comes from bonuslist, each tick runs FlashColours, and the word ends in BonusWon or in
// the bonus branch of WordMissed. After the word match, invoer_Change tests the typed
// commands; "/god" runs ToggleGodMode, which may call rstgame_Click (Reset Game).
//
// Beside the ring, at any time: Command3_Click writes the score with the player's name
// into hiscorelist, Command2_Click shows or hides it, hiscorelist_DblClick deletes an
// entry; each change rewrites highscores.txt through SaveHighscores. Command5_Click hides
// this window, its timers still running, and shows the memory-mode window; Command4_Click
// opens the about window beside it.
//
// The typing statistics hear of the ring through ctx.statistics: the word set running
// (end of Command1_Click), completed (WordCompleted, as soon as its points count) or
// missed (start of WordMissed), every key pressed in invoer, and the end of a game
// (GameOver, rstgame_Click, the close box). They answer nothing and change nothing. F2
// asks for their window.
//
// Names: controls, handlers (control_Event) and the game's own operations (WordCompleted,
// TextFile2ListBox) keep the names of the window definitions, so the game can be read
// beside them; the project's own helpers have lowerCamelCase names (drawWord, flashMessage).
class Form1 : public app::Window {
    Q_OBJECT
public:
    explicit Form1(app::Context& context);
    ~Form1() override;

    // form1_startup.cpp
    void Form_Load() override;
    // The lane where the words run, and everything below it: the typing box, the buttons.
    QRect keptFree() const override { return {0, snel.y(), width(), height() - snel.y()}; }

    // form1_wordrun.cpp
    void Command1_Click();  // Start Level: draws the next word and sets it running
    void Timer1_Timer();    // moves the word, counts its points down, finds a miss
    void invoer_Change();   // the word match, then the typed commands

    // form1_completion.cpp
    void goedtimer_Timer();  // hides the short message

    // form1_miss.cpp
    void goknipper_Timer();  // blinks "Game Over"
    void losecmd_Click();    // takes the next life

    // form1_reset.cpp
    void rstgame_Click();  // Reset Game

    // form1_highscores.cpp
    void Command2_Click();        // shows or hides the highscores
    void Command3_Click();        // writes a highscore
    void hiscorelist_DblClick();  // deletes a highscore

    // form1.cpp
    void Command4_Click();  // opens the about window
    void Command5_Click();  // switches to memory mode

    // form1_commands.cpp
    void invoer_KeyDown(int keyCode, int shift);  // Delete empties the typing box

    // Status area.
    ui::Label Label2{this, "Label2"};          // "Score:"
    ui::Label scorelbl{this, "scorelbl"};      // the score, the only place it is kept
    ui::Label cheaterlbl{this, "cheaterlbl"};  // "(Cheater)" in god mode
    ui::Label Label3{this, "Label3"};          // "Score over voor huidige woord:"
    ui::Label scoreover{this, "scoreover"};    // scoreLeft
    ui::Label Label4{this, "Label4"};          // "Level:"
    ui::Label lvllbl{this, "lvllbl"};          // level
    ui::Label Label5{this, "Label5"};          // "Aantal woorden:"
    ui::Label aantalw{this, "aantalw"};        // entries loaded at start-up
    ui::Label Label6{this, "Label6"};          // "XP:"
    ui::Label xplbl{this, "xplbl"};            // wordsInLevel
    ui::Label Label7{this, "Label7"};          // "Snelheid:"
    ui::Label speedlbl{this, "speedlbl"};      // speed

    // Playing field.
    ui::Line Line1{this, "Line1"};         // the red finish line
    ui::Label goedlbl{this, "goedlbl"};    // praise, "Shit!", "Reset!"
    ui::Label gameover{this, "gameover"};  // "Game Over"
    ui::Label snel{this, "snel"};          // the moving word

    // Input and buttons.
    ui::TextBox invoer{this, "invoer"};     // the typing box, also the command line
    ui::Label Label1{this, "Label1"};       // "(Delete wist het veld)"
    ui::Button Command1{this, "Command1"};  // "Start Level 1"
    ui::Button losecmd{this, "losecmd"};    // "Nog 5 Levens": the next life
    ui::Button rstgame{this, "rstgame"};    // "Reset Game"
    ui::Button Command3{this, "Command3"};  // "Schrijf Highscore"
    ui::Button Command2{this, "Command2"};  // "Zie Of Verberg Highscore"
    ui::Button Command4{this, "Command4"};  // "About"
    ui::Button Command5{this, "Command5"};  // "Switch naar onthoud modus"

    // Lists.
    ui::ListBox woordenlijst{this, "woordenlijst", true};  // words not yet drawn; "/debug"
    ui::ListBox bonuslist{this, "bonuslist", false};       // bonus words not yet drawn
    ui::ListBox hiscorelist{this, "hiscorelist", true};    // the highscores

    // Never seen: the highscore file is read and created directly, byte for byte.
    ui::MultiLineTextBox loadhi{this, "loadhi"};

    ui::Timer Timer1{this, "Timer1"};          // moves the word
    ui::Timer goedtimer{this, "goedtimer"};    // hides goedlbl after 500 ms
    ui::Timer goknipper{this, "goknipper"};    // blinks gameover every 500 ms
    ui::MovingWord lane{snel, Line1, Timer1};  // lays out and moves snel towards Line1

    // The game state. The total score has no variable: it is the caption of scorelbl.
    std::string currentWord;  // the word to type, or a sentinel while none runs
    std::int32_t speed = 0;   // twips per tick
    std::int16_t level = 0;
    std::int16_t wordsInLevel = 0;
    std::int16_t startLeft = 0;  // where every word starts
    std::int16_t lives = 0;
    std::int16_t scoreLeft = 0;  // what the running word is still worth
    bool godMode = false;
    std::int32_t wordIndex = 0;  // 32 bits: a word list may hold more than 32,767 words
    bool bonusActive = false;
    std::int16_t savedSpeed = 0;  // speed when the bonus level started
    std::int32_t nextBonusAt = 0;
    std::string playerName;
    // Highscore changes that another copy of the game kept from the file so far, in order.
    std::vector<data::HighscoreChange> unsavedHighscores;

    // The memory-mode window, created the first time it is opened and kept while hidden.
    std::unique_ptr<Form2> memoryWindow;
    // The about window while it is open; closing discards it.
    QPointer<frmAbout> aboutWindow;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // form1.cpp
    void connectHandlers();
    void layOutStatusArea();
    void layOutPlayingField();
    void layOutInputAndButtons();
    void layOutListsAndTimers();
    void setTabOrder();
    void nameForScreenReaders();
    void TextFile2ListBox(const char* sFile, base::ListItems& oList);

    // form1_startup.cpp
    void readHighscores();
    void writeWordList();

    // form1_wordrun.cpp
    bool drawWord();

    // form1_completion.cpp
    void WordCompleted();
    void flashMessage(const char* text);
    app::GameFigures figures() const;

    // form1_miss.cpp
    void WordMissed();
    void GameOver();
    void RestoreLabelColours();
    std::string livesCaption() const;

    // form1_bonus.cpp
    void StartBonusLevel();
    void FlashColours();
    void BonusWon();

    // form1_commands.cpp
    void runTypedCommands();
    void ToggleGodMode();

    // form1_highscores.cpp
    bool SaveHighscores(const data::HighscoreChange& change);
    const char* refusalOf(const std::string& entry, bool representable) const;
};
