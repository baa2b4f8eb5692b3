// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/syserror.h"

#include "base/text.h"

#include <QString>

#include <cerrno>
#include <cstring>

namespace base {

namespace {

struct Meaning {
    int error;
    const char* dutch;
};

// The errors a file, a folder, a lock or a network drive can give a game.
constexpr Meaning kMeanings[] = {
    {EPERM, "niet toegestaan"},
    {ENOENT, "het bestand of de map bestaat niet"},
    {EINTR, "onderbroken"},
    {EIO, "lees- of schrijffout op de schijf"},
    {ENXIO, "het apparaat is er niet"},
    {E2BIG, "te veel gegevens"},
    {EBADF, "het bestand is niet (meer) open"},
    {EAGAIN, "tijdelijk niet beschikbaar; probeer het nog eens"},
    {ENOMEM, "niet genoeg geheugen"},
    {EACCES, "geen toegang"},
    {EFAULT, "ongeldig adres"},
    {EBUSY, "in gebruik"},
    {EEXIST, "het bestand bestaat al"},
    {EXDEV, "niet over de grens van een schijf heen"},
    {ENODEV, "het apparaat bestaat niet"},
    {ENOTDIR, "een deel van het pad is geen map"},
    {EISDIR, "het is een map"},
    {EINVAL, "ongeldige waarde"},
    {ENFILE, "het systeem heeft te veel bestanden open"},
    {EMFILE, "te veel bestanden open"},
    {ETXTBSY, "het bestand is in gebruik"},
    {EFBIG, "het bestand zou te groot worden"},
    {ENOSPC, "de schijf is vol"},
    {ESPIPE, "het bestand kan niet verspringen"},
    {EROFS, "de schijf is alleen-lezen"},
    {EMLINK, "te veel koppelingen"},
    {EPIPE, "de verbinding is verbroken"},
    {ENAMETOOLONG, "de naam is te lang"},
    {ENOLCK, "geen vergrendeling beschikbaar"},
    {ENOSYS, "wordt niet ondersteund"},
    {ENOTEMPTY, "de map is niet leeg"},
    {ELOOP, "te veel koppelingen achter elkaar"},
    {EOVERFLOW, "de waarde is te groot"},
    {ENOTSUP, "wordt niet ondersteund"},
    {ENOTCONN, "niet verbonden"},
    {ECONNREFUSED, "de verbinding werd geweigerd"},
    {ECONNRESET, "de verbinding werd verbroken"},
    {ETIMEDOUT, "er kwam op tijd geen antwoord"},
    {EHOSTUNREACH, "de computer is niet bereikbaar"},
    {ENETUNREACH, "het netwerk is niet bereikbaar"},
    {ESTALE, "het bestand op de netwerkschijf is verouderd"},
    {EDQUOT, "je schijfquotum is op"},
    {ECANCELED, "afgebroken"},
};

}  // namespace

std::string dutchSystemError(int error) {
    for (const Meaning& meaning : kMeanings) {
        if (meaning.error == error) {
            return meaning.dutch;
        }
    }
    return "systeemfout " + std::to_string(error);
}

std::string systemErrorText(int error) {
    return dutchSystemError(error) + " (" +
           toBytesLossy(QString::fromLocal8Bit(std::strerror(error))) + ")";
}

}  // namespace base
