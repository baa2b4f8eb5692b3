#include "data/files.h"

#include "ui/text.h"

#include <QFile>
#include <QSaveFile>

namespace data {

FileError::FileError(const QString& path, const std::string& cause)
    : std::runtime_error(cause), path_(path) {}

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
    return std::string(cause) + " (" + ui::toBytesLossy(detail) + ")";
}

std::string readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(path, describeFailure(file));
    }
    std::string bytes;
    const qint64 expected = file.size();
    if (expected > 0) {
        bytes.resize(static_cast<std::size_t>(expected));
        qint64 got = 0;
        while (got < expected) {
            const qint64 n = file.read(bytes.data() + got, expected - got);
            if (n < 0) {
                throw FileError(path, describeFailure(file));
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
            throw FileError(path, describeFailure(file));
        }
        if (n == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

void saveWholeFile(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileError(path, describeFailure(file));
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const std::string cause = describeFailure(file);
        file.cancelWriting();
        throw FileError(path, cause);
    }
    if (!file.commit()) {
        throw FileError(path, describeFailure(file));
    }
}

}  // namespace data
