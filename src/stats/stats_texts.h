// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text of the statistics that the player sees, in Windows-1252 as the controls take
// them.
namespace stats_texts {

inline constexpr const char* kCaption = "Statistieken";

inline constexpr const char* kRecording =
    "Toetsrace houdt bij hoe je typt, vanaf het eerste woord van elk spel. Je statistieken "
    "staan in statistieken.sqlite, naast highscores.txt.";
// Where the game's folder is shared, or on a network drive: the path follows.
inline constexpr const char* kRecordingSharedFolder =
    "Toetsrace houdt bij hoe je typt, vanaf het eerste woord van elk spel. Anderen kunnen in "
    "de map van het spel schrijven; je statistieken staan daarom alleen voor jou in ";
inline constexpr const char* kRecordingNetworkFolder =
    "Toetsrace houdt bij hoe je typt, vanaf het eerste woord van elk spel. De map van het "
    "spel staat op een netwerkschijf; je statistieken staan daarom in ";
inline constexpr const char* kRecordingOff = "De statistieken staan uit: ";
inline constexpr const char* kPlayGoesOn =
    " Het spel gaat gewoon door; statistieken.sqlite is niet veranderd.";

// Why the statistics stopped.
inline constexpr const char* kInUse =
    "statistieken.sqlite is in gebruik door een ander programma (misschien een tweede "
    "Toetsrace).";
inline constexpr const char* kDamaged =
    "statistieken.sqlite is beschadigd of is geen database van Toetsrace.";
inline constexpr const char* kNewer =
    "statistieken.sqlite komt van een nieuwere versie van Toetsrace.";
inline constexpr const char* kCannotWrite = "Toetsrace kan niet schrijven in statistieken.sqlite";
inline constexpr const char* kNoDriver =
    "het SQLite-stuurprogramma van Qt ontbreekt (Debian-pakket libqt6sql6-sqlite).";
inline constexpr const char* kNoMemory = "er was niet genoeg geheugen.";
inline constexpr const char* kUnexpected = "er ging iets onverwachts mis.";

inline constexpr const char* kEmpty =
    "Nog geen statistieken.\r\n\r\n"
    "Speel een spel in het hoofdvenster. Vanaf het eerste woord houdt Toetsrace hier bij "
    "hoe snel en hoe nauwkeurig je typt, welke woorden je het vaakst mist en welke toetsen "
    "je lastig vindt.";
inline constexpr const char* kNothingToShow = "Er zijn geen statistieken om te tonen.";

inline constexpr const char* kLastGame = "Laatste spel";
inline constexpr const char* kBests = "Persoonlijke records";
inline constexpr const char* kProgress = "Voortgang per spel";
inline constexpr const char* kTroublesome = "Vaakst gemist of fout getypt";
inline constexpr const char* kKeys = "Fouten per toets";

inline constexpr const char* kWordsPerMinute = "Woorden per minuut:";
inline constexpr const char* kAccuracy = "Nauwkeurigheid:";
inline constexpr const char* kWords = "Woorden:";
inline constexpr const char* kScore = "Score:";
inline constexpr const char* kLevel = "Level:";
inline constexpr const char* kLongestSequence = "Langste reeks onthouden:";
inline constexpr const char* kGames = "Gespeelde spellen:";

inline constexpr const char* kWordsCompletedMissed = "%1 getypt, %2 gemist";

inline constexpr const char* kWordColumn = "Woord";
inline constexpr const char* kMissedColumn = "Gemist";
inline constexpr const char* kMistypedColumn = "Fout getypt";

inline constexpr const char* kWordsPerMinuteSeries = "Woorden per minuut";
inline constexpr const char* kAccuracySeries = "Nauwkeurigheid (%)";

inline constexpr const char* kKeysLegend =
    "Groen: weinig fouten. Rood: een op de vijf keer of vaker fout. Grijs: nog geen 20 keer "
    "getypt.";

// The window's tabs.
inline constexpr const char* kOverviewTab = "&Overzicht";
inline constexpr const char* kProgressTab = "&Voortgang";
inline constexpr const char* kWordsTab = "&Woorden";
inline constexpr const char* kKeysTab = "&Toetsen";
inline constexpr const char* kPracticeTab = "O&efenen";

// Practice runs, apart from the games.
inline constexpr const char* kPractice = "Oefenrondes";
inline constexpr const char* kPracticeIntro =
    "Oefenen zet twintig woorden uit je eigen fouten op de baan: de woorden die je het vaakst "
    "mist of fout typt, en woorden met je zwakke toetsen. Oefenrondes tellen niet mee voor je "
    "spellen en records.";
inline constexpr const char* kPractise = "Oefenen &starten (F3)";
inline constexpr const char* kRunStartedColumn = "Begonnen";
inline constexpr const char* kRunWordsColumn = "Woorden";
inline constexpr const char* kRunFirstTimeColumn = "In \xE9\xE9n keer goed";
inline constexpr const char* kRunPaceColumn = "Tempo (wpm)";
inline constexpr const char* kRunPace = "%1 \x96 %2";
inline constexpr const char* kRunCount = "%1 oefenrondes; de laatste %2 staan hierboven.";
inline constexpr const char* kNoRunYet = "Nog geen oefenronde.";

// A figure there is nothing to compute from.
inline constexpr const char* kNone = "\x96";
inline constexpr const char* kNoGameYet = "Nog geen spel gespeeld; alleen de onthoudmodus.";
inline constexpr const char* kGodGame = "Gespeeld met /god: telt niet mee voor de records.";
inline constexpr const char* kShortGame = "Minder dan 10 woorden: telt niet mee voor de records.";
// "Nieuw record: " and the records, joined by ", ".
inline constexpr const char* kNewRecord = "Nieuw record: ";
inline constexpr const char* kRecordSpeed = "woorden per minuut";
inline constexpr const char* kRecordAccuracy = "nauwkeurigheid";
inline constexpr const char* kRecordScore = "score";
inline constexpr const char* kRecordLevel = "level";
// The average of the last games: %1 games, %2 words per minute, %3 accuracy.
inline constexpr const char* kLastTen =
    "Gemiddelde van de laatste %1 spellen: %2 woorden per minuut, %3 nauwkeurig.";
inline constexpr const char* kAgainstPrevious = "Tussen haakjes: verschil met het vorige spel.";
inline constexpr const char* kRecordRule =
    "Records tellen spellen vanaf 10 woorden, gespeeld zonder /god.";
// The characters typed most in place of another: "je typt vaak r waar t hoort".
inline constexpr const char* kMixupsIntro = "Je typt vaak ";
inline constexpr const char* kMixup = "%1 waar %2 hoort";
inline constexpr const char* kNoMixups = "Nog geen toets die je vaak (3 keer of meer) verwisselt.";

// The progress chart.
inline constexpr const char* kProgressChartName =
    "Grafiek van woorden per minuut en nauwkeurigheid per spel";
inline constexpr const char* kAverageSeries = "Gemiddelde van 10 spellen";
// The game's number, when it began, words per minute, accuracy.
inline constexpr const char* kGameTip = "Spel %1 (%2): %3 woorden per minuut, %4% nauwkeurig";
// A run of games shown as one point: its first and last number, when the last began, and the
// run's average words per minute and accuracy.
inline constexpr const char* kGamesTip =
    "Spellen %1\x96%2 (tot %3): gemiddeld %4 woorden per minuut, %5% nauwkeurig";

}  // namespace stats_texts
