#pragma once

#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>

class QFileDevice;

namespace data {

// A file that could not be read or written. what() names the cause in Dutch.
class FileError : public std::runtime_error {
public:
    FileError(const QString& path, const std::string& cause);
    const QString& path() const { return path_; }

private:
    QString path_;
};

// The cause of a failed file operation, in Dutch, with the system's own words after it.
std::string describeFailure(const QFileDevice& file);

// Every byte of a file. Throws FileError.
std::string readWholeFile(const QString& path);

// Replaces a file whole and atomically: until the new content is complete on disk the old
// file stays as it was. Throws FileError.
void saveWholeFile(const QString& path, std::string_view bytes);

}  // namespace data
