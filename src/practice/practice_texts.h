// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text of the practice window that the player sees, in Windows-1252 as the controls
// take them. %1, %2… are filled in with QString::arg.
namespace practice_texts {

inline constexpr const char* kCaption = "Oefenen";

// Before any history: what practice is built from, and nothing to start.
inline constexpr const char* kNothingYet =
    "Nog niets om te oefenen. Oefenen kiest de woorden die je in spellen mist of fout typt, en "
    "woorden uit woordenlijst.txt met de toetsen waarop je vaak misgrijpt. Speel eerst een "
    "paar spellen: zodra je een woord mist of fout typt, of een toets vaak genoeg getypt hebt "
    "om te zien waar je misgrijpt, staat hier je oefening klaar.";
inline constexpr const char* kCannot = "Oefenen kan nu niet: ";

// What the run is built from.
inline constexpr const char* kPlanBoth =
    "%1 woorden: %2 die je in spellen vaak mist of fout typt, en %3 uit woordenlijst.txt met "
    "je zwakke toetsen %4.";
inline constexpr const char* kPlanMistakes = "%1 woorden die je in spellen vaak mist of fout typt.";
inline constexpr const char* kPlanKeys =
    "%1 woorden uit woordenlijst.txt met je zwakke toetsen %2.";
inline constexpr const char* kListUnread = " (woordenlijst.txt kon niet worden gelezen.)";
inline constexpr const char* kHowTo =
    " Typ elk woord voor het de rode lijn haalt. Enter begint, Esc stopt. Het spel zelf blijft "
    "zoals je het liet.";

// The pace.
inline constexpr const char* kPaceFromGames =
    "Tempo %1 woorden per minuut: 80% van je gemiddelde in je laatste spellen (%2).";
inline constexpr const char* kPaceFirst = "Tempo %1 woorden per minuut.";
inline constexpr const char* kPace = "Tempo %1 woorden per minuut";

// During the run.
inline constexpr const char* kProgress = "Nog %1 van %2 woorden, %3 in \xE9\xE9n keer goed";
inline constexpr const char* kRight = "Goed!";
inline constexpr const char* kRightAfterSlip = "Goed, na een verbetering.";
inline constexpr const char* kMissed = "Gemist: %1";
inline constexpr const char* kNotKept = "Niet bewaard: ";

// At the end.
inline constexpr const char* kDone = "Klaar: %1 van %2 woorden in \xE9\xE9n keer goed.";
inline constexpr const char* kStopped = "Gestopt na %1 van %2 woorden, %3 in \xE9\xE9n keer goed.";
inline constexpr const char* kWordColumn = "Woord";
inline constexpr const char* kOutcomeColumn = "Uitkomst";
inline constexpr const char* kMasteredColumn = "Beheerst";
inline constexpr const char* kFirstTime = "in \xE9\xE9n keer goed";
inline constexpr const char* kWithSlips = "goed, met fouten";
inline constexpr const char* kMissedOutcome = "gemist";
inline constexpr const char* kMastered = "ja, van de lijst af";
inline constexpr const char* kNotYet = "nog niet (%1 van %2)";
inline constexpr const char* kUnknown = "\x96";
inline constexpr const char* kKeysIntro = "Zwakke toetsen, fouten per aanslag in spellen en nu: ";
inline constexpr const char* kKeyChange = "%1 %2, nu %3";
inline constexpr const char* kKeyNotTyped = "%1 %2, nu niet getypt";
inline constexpr const char* kMixedUpKey = "%1 (vaak %2 getypt)";
inline constexpr const char* kPaceAtEnd = "Tempo aan het eind %1 woorden per minuut";
inline constexpr const char* kNoWeakKeys = "Geen zwakke toetsen: je oefende alleen woorden.";

inline constexpr const char* kBegin = "&Begin";
inline constexpr const char* kAgain = "&Nog een keer";
inline constexpr const char* kStop = "&Stoppen";
inline constexpr const char* kClose = "&Sluiten";

inline constexpr const char* kFailed = "Oefenen is gestopt: er ging iets onverwachts mis.";

}  // namespace practice_texts
