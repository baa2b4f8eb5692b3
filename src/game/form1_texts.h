// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text of the main window that the player sees, exactly as the game shows it.
namespace form1_texts {

inline constexpr const char* kInitialCaption = "Title Not Loaded";

inline constexpr const char* kNoHighscores =
    "Er is geen highscores.txt gevonden, ik maak er nu een aan.\r\n"
    "Voor optimale werking van het programma wordt het programma nu gesloten en moet u het "
    "opnieuw starten\r\n"
    "Doei!!! xxxx";

inline constexpr const char* kNoWords =
    "woordenlijst.txt bevat geen enkel woord. Zet er woorden in, \xE9\xE9n per regel, en start "
    "Toetsrace opnieuw. Toetsrace sluit nu af.";

inline constexpr const char* kStartLevel = "Start Level ";
inline constexpr const char* kLivesBefore = "Nog ";
inline constexpr const char* kLivesAfter = " Levens";
inline constexpr const char* kLevelDoneBefore = "Gefeliciteerd! Je hebt level ";
inline constexpr const char* kLevelDoneAfter = " Gehaald!";
inline constexpr const char* kMissed = "Shit!";
inline constexpr const char* kBonusMissed =
    "Jammer zeg! geen bonuspunten en snelheidsverlaging voor u. (Normale snelheid wordt nu "
    "weer toegepast)";

inline constexpr const char* kBonusStart =
    "U heeft een bonuslevel verdient! (Als u last heeft van epilepsie dan moet u het nu "
    "meteen afsluiten)\r\n"
    "Dit zijn iets moeilijkere woorden dan normaal, MAAR de snelheid wordt wel verlaagd met 5";
inline constexpr const char* kBonusWon =
    "Je hebt de bonus gewonnen! w00t! jij krijgt een snelheidsverlaging (minder dan de normale "
    "snelheid)";
inline constexpr const char* kLeaveGodMode =
    "Je moet resetten om uit godmode te komen.\r\nNu Resetten?";
inline constexpr const char* kReset = "Reset!";

inline constexpr const char* kCheated =
    "Je hebt gecheat dus je mag niet in de highscores schrijven.";
inline constexpr const char* kNamePrompt = "En wat is jouw naampje?";
inline constexpr const char* kNoName = "Dan niet!";
inline constexpr const char* kDeleteQuestion = "Zeker weten verwijderen?";
inline constexpr const char* kNameWithLineBreak =
    "Een naam kan geen regeleinde bevatten. Er is niets aan de highscores toegevoegd.";
inline constexpr const char* kNameNotStorable =
    "Je naam bevat een teken dat Toetsrace niet kan bewaren. Gebruik letters, cijfers en "
    "leestekens van West-Europese talen. Er is niets aan de highscores toegevoegd.";
// After a save that has to wait: what becomes of the change meanwhile.
inline constexpr const char* kHighscoreWaits =
    "Er is niets verloren: je wijziging staat in de lijst en Toetsrace slaat hem op zodra het "
    "lukt, ook bij de volgende keer dat je een highscore schrijft of verwijdert.";
inline constexpr const char* kWordListWaits =
    "Er is niets verloren: Toetsrace speelt met de woordenlijst zoals die is.";
inline constexpr const char* kTableFull =
    "De highscorelijst is vol: deze score past er niet meer bij. Verwijder eerst een oude "
    "score (dubbelklik erop). Er is niets aan de highscores toegevoegd.";

// The typed commands: the whole text of the typing box, exactly.
inline constexpr const char* kSpeedCommand = "/speed";
inline constexpr const char* kPauseCommand = "/p";
inline constexpr const char* kGodCommand = "/god";
inline constexpr const char* kDebugCommand = "/debug";

// The praise for a completed word, by the points it earned: the first whose floor they reach.
struct Praise {
    int floor;
    const char* text;
};
inline constexpr Praise kPraise[] = {
    {1000, "ZIEKELIJK! "}, {900, "!WOW! "}, {800, "Snel! "}, {700, "w00t! "},
    {600, "Goedzo! "},     {500, "Yay! "},  {400, "Jeej! "}, {300, "Gehaald! "},
    {200, "Woei! "},       {100, "Yes! "},  {1, "Net! "},    {0, "Jammer! "},
};

// The sentinels stand in the current word while no word runs; nobody types them.
inline constexpr const char* kStartSentinel = "5521r7b602w9138pz";
inline constexpr const char* kMissSentinel = "tqa903318k2207vd4";

// The captions the controls start with, by control.
inline constexpr const char* kLabel2Caption = "Score:";
inline constexpr const char* kScorelblCaption = "0";
inline constexpr const char* kCheaterlblCaption = "(Cheater)";
inline constexpr const char* kLabel3Caption = "Score over voor huidige woord:";
inline constexpr const char* kScoreoverCaption = "1100";
inline constexpr const char* kLabel4Caption = "Level:";
inline constexpr const char* kLvllblCaption = "1";
inline constexpr const char* kLabel5Caption = "Aantal woorden:";
inline constexpr const char* kAantalwCaption = "0";
inline constexpr const char* kLabel6Caption = "XP:";
inline constexpr const char* kXplblCaption = "0";
inline constexpr const char* kLabel7Caption = "Snelheid:";
inline constexpr const char* kSpeedlblCaption = "10";
inline constexpr const char* kGoedlblCaption = "Goedzo";
inline constexpr const char* kGameoverCaption = "Game Over";
inline constexpr const char* kSnelCaption = "test";
inline constexpr const char* kLabel1Caption = "(Delete wist het veld)";
inline constexpr const char* kRstgameCaption = "Reset Game";
inline constexpr const char* kCommand3Caption = "Schrijf Highscore";
inline constexpr const char* kCommand2Caption = "Zie Of Verberg Highscore";
inline constexpr const char* kCommand4Caption = "About";
inline constexpr const char* kCommand5Caption = "Switch naar onthoud modus";

}  // namespace form1_texts
