// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text of the about window that the player sees.
namespace about_texts {

inline constexpr const char* kInitialCaption = "About MyApp";
// The caption once loaded: these, then the product's name; the version line likewise.
inline constexpr const char* kCaptionBefore = "About ";
inline constexpr const char* kVersionBefore = "Version ";
inline constexpr const char* kCreditLine = "Gemaakt door het Toetsrace-team";
inline constexpr const char* kDisclaimer =
    "Disclaimer: Ik ben niet verantwoordelijk voor de woorden in de woordenlijst.";

inline constexpr const char* kChangelog =
    "V0.27:\r\n"
    "Onthou modus toegevoegd\r\n"
    "V0.26:\r\n"
    "Woordenlijst sorteerd op alfabet en slaat dit \r\n"
    "opnieuw op in volgorde\r\n"
    "V0.25:\r\n"
    "Aparte bonuslijst aangemaakt met bonuswoorden.\r\n"
    "V0.24:\r\n"
    "Xp indicator toegevoegd\r\n"
    "Snelheid indicator toegevoegd\r\n"
    "V0.23:\r\n"
    "Woorden van rechts naar link ipv links naar rechts,\r\n"
    "omdat je anders het begin niet gelijk ziet.\r\n"
    "bonuslevels toegevoegt om de 25k score.\r\n"
    "V0.21:\r\n"
    "Aboutbox gemaakt\r\n"
    "Changelog toegevoegd\r\n"
    "Help Geschreven\r\n"
    "V0.20:\r\n"
    "Minimaliseer bug fixed\r\n"
    "Highscores gemaakt\r\n";

inline constexpr const char* kHelpLines[] = {
    "Zo dus jij wilt help?",
    "De bedoeling van dit spelletje is dat je binnen de tijd een woord typt die op het scherm  "
    "voorbij komt.",
    "---Levens---",
    "Lukt dit niet dan zal er een leven van af gaan, u heeft 5 levens te verspillen.",
    "Als u een leven verspild heb dan kunt u op de knop met resterende levens klikken om het "
    "volgende leven te gebruiken.",
    "---Levels---",
    "Als u het woord wel red krijgt u het volgende woord, en als u er 10 heeft gehaald dan gaat "
    "u een level omhoog",
    "Met elk level zal de snelheid van de voorbijgaande woorden verhogen.",
    "Als u een level omhoog bent dan moet u op het 'Start level' knopje drukken ",
    "---Commando's---",
    "De commando's die u kunt gebruiken zijn:",
    "'/God' hiermee zult u 9999 levens krijgen en kunt dus niet game over gaan, maar nu kunt u "
    "geen highscores opslaan",
    "'/speed' dit verhoogt de snelheid en wordt meestal alleen tijdens de ontwikkelingsfase "
    "gebruikt.",
    "'/debug' Dit laat de woordenlijst zien",
    "'/p' dit pauzeert het spel",
    "Alle commando's zijn omkeerbaar als u hetzelfde commando weer intypt.",
};

// The captions the controls start with, by control.
inline constexpr const char* kLblTitleCaption = "Application Title";
inline constexpr const char* kLblVersionCaption = "Version";
inline constexpr const char* kLabel1Caption = "Changelog:";
inline constexpr const char* kCmdOKCaption = "&OK";
inline constexpr const char* kCommand1Caption = "&Help";

}  // namespace about_texts
