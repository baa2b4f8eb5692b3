// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text of the memory-mode window that the player sees.
namespace form2_texts {

inline constexpr const char* kCaption = "Onthouden!";
inline constexpr const char* kExplanation =
    "De bedoeling is dat nadat je op 'Go!' drukt dat je alle woorden onthoud die er voorbij "
    "komen\r\n"
    "elke keer moet je dan ook alle vorige woorden intypen die je hebt gekregen om een nieuw "
    "woord te krijgen\r\n"
    "net zoiets als 'Ik ga op reis en ik neem mee'";

// The captions the controls start with, by control.
inline constexpr const char* kLabel1Caption = "Woorden onthouden tot nu toe:";
inline constexpr const char* kFrame1Caption = "Laatste Woord:";
inline constexpr const char* kGoedCaption = "Goed!";
inline constexpr const char* kCommand1Caption = "Go!";
inline constexpr const char* kCommand3Caption = "?";
inline constexpr const char* kCommand2Caption = "Terug naar Toetsrace";

}  // namespace form2_texts
