#pragma once

#include "ui/controls.h"
#include "ui/form.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>

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
class Form1 : public ui::Form {
    Q_OBJECT
public:
    explicit Form1(ui::Context& context);
    ~Form1() override;

    void Form_Load() override;

    // Event handlers.
    void Command1_Click();
    void Timer1_Timer();
    void invoer_Change();
    void goedtimer_Timer();
    void goknipper_Timer();
    void losecmd_Click();
    void rstgame_Click();
    void Command2_Click();
    void Command3_Click();
    void hiscorelist_DblClick();
    void Command4_Click();
    void Command5_Click();
    void invoer_KeyDown(int keyCode, int shift);

    // Status area.
    ui::Label Label2{this, "Label2"};
    ui::Label scorelbl{this, "scorelbl"};
    ui::Label cheaterlbl{this, "cheaterlbl"};
    ui::Label Label3{this, "Label3"};
    ui::Label scoreover{this, "scoreover"};
    ui::Label Label4{this, "Label4"};
    ui::Label lvllbl{this, "lvllbl"};
    ui::Label Label5{this, "Label5"};
    ui::Label aantalw{this, "aantalw"};
    ui::Label Label6{this, "Label6"};
    ui::Label xplbl{this, "xplbl"};
    ui::Label Label7{this, "Label7"};
    ui::Label speedlbl{this, "speedlbl"};

    // Playing field.
    ui::Line Line1{this, "Line1"};
    ui::Label goedlbl{this, "goedlbl"};
    ui::Label gameover{this, "gameover"};
    ui::Label snel{this, "snel"};

    // Input and buttons.
    ui::TextBox invoer{this, "invoer"};
    ui::Label Label1{this, "Label1"};
    ui::Button Command1{this, "Command1"};
    ui::Button losecmd{this, "losecmd"};
    ui::Button rstgame{this, "rstgame"};
    ui::Button Command3{this, "Command3"};
    ui::Button Command2{this, "Command2"};
    ui::Button Command4{this, "Command4"};
    ui::Button Command5{this, "Command5"};

    // Lists.
    ui::ListBox woordenlijst{this, "woordenlijst", true};
    ui::ListBox bonuslist{this, "bonuslist", false};
    ui::ListBox hiscorelist{this, "hiscorelist", true};

    // Never seen: the highscore file is read and created directly, byte for byte.
    ui::MultiLineTextBox loadhi{this, "loadhi"};

    ui::Timer Timer1{this, "Timer1"};
    ui::Timer goedtimer{this, "goedtimer"};
    ui::Timer goknipper{this, "goknipper"};

    // The game state. The total score has no variable: it is the caption of scorelbl.
    std::string currentWord;
    std::int32_t speed = 0;
    std::int16_t level = 0;
    std::int16_t wordsInLevel = 0;
    std::int16_t startLeft = 0;
    std::int16_t lives = 0;
    std::int16_t scoreLeft = 0;
    bool godMode = false;
    std::int32_t wordIndex = 0;  // 32 bits: a word list may hold more than 32,767 words
    bool bonusActive = false;
    std::int16_t savedSpeed = 0;
    std::int32_t nextBonusAt = 0;
    std::string playerName;

    // The memory-mode window, created the first time it is opened and kept while hidden.
    std::unique_ptr<Form2> memoryWindow;
    // The about window while it is open; closing discards it.
    QPointer<frmAbout> aboutWindow;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void layOutStatusArea();
    void layOutPlayingField();
    void layOutInputAndButtons();
    void layOutListsAndTimers();
    void setTabOrder();
    void nameForScreenReaders();

    void readHighscores();
    void TextFile2ListBox(const char* sFile, ui::ListItems& oList);

    bool drawWord();
    void WordCompleted();
    void WordMissed();
    void GameOver();
    void RestoreLabelColours();
    void StartBonusLevel();
    void FlashColours();
    void BonusWon();
    void runTypedCommands();
    void ToggleGodMode();
    void SaveHighscores();
    const char* refusalOf(const std::string& entry, bool representable) const;
    void flashMessage(const char* text);
    std::string livesCaption() const;
};
