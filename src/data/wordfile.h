#pragma once

#include "ui/dialogs.h"
#include "ui/listitems.h"

#include <QString>

#include <string>

// Word files: one entry per line, lines ended by CR LF or by a CR alone; a LF on its own
// is an ordinary character. Every line is an entry exactly as it stands.
namespace data {

inline constexpr const char* kWordFile = "woordenlijst.txt";
inline constexpr const char* kBonusFile = "bonuslijst.txt";

// Cuts a file's bytes into its lines, without copying them.
ui::TextLines splitLines(std::string text);

// The lines of a file. Throws FileError.
ui::TextLines readTextLines(const QString& path);

// Empties the list, then fills it with the lines of the file. A file that cannot be read
// is fatal: the player is told so and the program ends.
void TextFile2ListBox(const QString& sFile, ui::ListItems& oList, ui::Dialogs& dialogs);

// Makes sure a list offers a word to draw: a list of nothing but empty entries is filled
// again from its file; a file without a single word is told to the player, and then it
// returns false. Words are drawn only from lists this said yes to, so a draw never hangs.
bool offerWords(const char* file, ui::ListItems& list, ui::Dialogs& dialogs);

// A word list that start-up wrote ends in a blank line, which sorts to the front: that
// blank entry goes. A list without one (written by hand) keeps every word.
void dropBlankFirstEntry(ui::ListItems& list);

// Every entry followed by CR LF, then one more CR LF, written atomically. Throws
// ui::Failure with a message that names the file and the cause.
void writeWordListFile(const QString& path, const ui::ListItems& list);

}  // namespace data
