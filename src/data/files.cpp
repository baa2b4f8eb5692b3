// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/files.h"

#include "base/text.h"

#include <QFile>

namespace data {

FileError::FileError(const QString& path, Action action, const std::string& cause)
    : std::runtime_error(cause), path_(path), action_(action) {}

std::string describeFailure(const QFileDevice& file) {
    const char* cause = "onbekende fout";
    switch (file.error()) {
        case QFileDevice::ReadError:
            cause = "lezen mislukt";
            break;
        case QFileDevice::WriteError:
            cause = "schrijven mislukt";
            break;
        case QFileDevice::ResourceError:
            cause = "te weinig schijfruimte of systeembronnen";
            break;
        case QFileDevice::OpenError:
            cause = "openen mislukt";
            break;
        case QFileDevice::PermissionsError:
            cause = "geen toegang";
            break;
        case QFileDevice::RenameError:
        case QFileDevice::RemoveError:
            cause = "vervangen mislukt";
            break;
        case QFileDevice::FatalError:
            cause = "onherstelbare fout";
            break;
        default:
            break;
    }
    const QString detail = file.errorString();
    if (detail.isEmpty()) {
        return cause;
    }
    return std::string(cause) + " (" + base::toBytesLossy(detail) + ")";
}

std::string readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(path, FileError::Action::Read, describeFailure(file));
    }
    std::string bytes;
    const qint64 expected = file.size();
    if (expected > 0) {
        bytes.resize(static_cast<std::size_t>(expected));
        qint64 got = 0;
        while (got < expected) {
            const qint64 n = file.read(bytes.data() + got, expected - got);
            if (n < 0) {
                throw FileError(path, FileError::Action::Read, describeFailure(file));
            }
            if (n == 0) {
                break;
            }
            got += n;
        }
        bytes.resize(static_cast<std::size_t>(got));
    }
    // Whatever the size did not announce (a file that grew, or one without a size).
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0) {
            throw FileError(path, FileError::Action::Read, describeFailure(file));
        }
        if (n == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

// QSaveFile in Qt 6.4 commits a file whose buffered data failed to reach the disk in full
// (the error of the final flush is not counted), so the writer goes unbuffered and checks
// that every byte of every write arrived.
AtomicWriter::AtomicWriter(const QString& path) : file_(path), path_(path) {
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        fail();
    }
}

void AtomicWriter::write(std::string_view bytes) {
    // A short write is followed by another for the rest, so that a full disk or an I/O
    // error shows itself with its own cause.
    while (!bytes.empty()) {
        const qint64 n = file_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (n <= 0 || file_.error() != QFileDevice::NoError) {
            fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void AtomicWriter::commit() {
    if (!file_.commit()) {
        fail();
    }
}

void AtomicWriter::fail() {
    std::string cause = describeFailure(file_);
    if (file_.error() == QFileDevice::NoError) {
        cause = "niet alles kon worden geschreven (schijf vol of bestand te groot)";
    }
    file_.cancelWriting();
    throw FileError(path_, FileError::Action::Save, cause);
}

void saveWholeFile(const QString& path, std::string_view bytes) {
    AtomicWriter writer(path);
    writer.write(bytes);
    writer.commit();
}

}  // namespace data
