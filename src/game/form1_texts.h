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

// The sentinels stand in the current word while no word runs; nobody types them.
inline constexpr const char* kStartSentinel = "5521r7b602w9138pz";
inline constexpr const char* kMissSentinel = "tqa903318k2207vd4";

}  // namespace form1_texts
