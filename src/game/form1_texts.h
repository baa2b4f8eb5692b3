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

inline constexpr const char* kNoWordsToDraw =
    " bevat geen enkel woord. Zet er woorden in, \xE9\xE9n per regel, en probeer het opnieuw.";

inline constexpr const char* kStartLevel = "Start Level ";
inline constexpr const char* kLivesBefore = "Nog ";
inline constexpr const char* kLivesAfter = " Levens";
inline constexpr const char* kLevelDoneBefore = "Gefeliciteerd! Je hebt level ";
inline constexpr const char* kLevelDoneAfter = " Gehaald!";
inline constexpr const char* kMissed = "Shit!";
inline constexpr const char* kBonusMissed =
    "Jammer zeg! geen bonuspunten en snelheidsverlaging voor u. (Normale snelheid wordt nu "
    "weer toegepast)";

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

}  // namespace form1_texts
