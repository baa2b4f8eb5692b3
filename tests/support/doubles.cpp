#include "doubles.h"

#include "data/cipher.h"
#include "data/highscores.h"
#include "ui/controls.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <sys/resource.h>

#include <csignal>

namespace testing {

void ScriptedDialogs::runDuring() {
    if (!during.empty()) {
        auto action = std::move(during.front());
        during.pop_front();
        action();
    }
}

int ScriptedDialogs::msgBox(std::string_view prompt, int style, std::string_view title) {
    calls.push_back({"msgBox", std::string(prompt), style, std::string(title)});
    runDuring();
    if ((style & 0x7) != ui::kYesNo) {
        return ui::kOk;
    }
    if (buttons.empty()) {
        ++unexpected;
        return ui::kNo;
    }
    const int button = buttons.front();
    buttons.pop_front();
    return button;
}

ui::InputAnswer ScriptedDialogs::inputBox(std::string_view prompt, std::string_view title,
                                          std::string_view) {
    calls.push_back({"inputBox", std::string(prompt), 0, std::string(title)});
    runDuring();
    if (inputs.empty()) {
        ++unexpected;
        return {};
    }
    ui::InputAnswer answer = std::move(inputs.front());
    inputs.pop_front();
    return answer;
}

float ScriptedRandom::next() {
    ++drawn;
    if (queue.empty()) {
        return fallback;
    }
    const float value = queue.front();
    queue.pop_front();
    return value;
}

Sandbox::Sandbox()
    : context{dialogs, random, QString(), [this](int code) { ends.push_back(code); }},
      previousDir(QDir::currentPath()) {
    context.programDir = programFolder.path();
    QDir::setCurrent(programFolder.path());
}

Sandbox::~Sandbox() {
    QDir::setCurrent(previousDir);
}

void Sandbox::separateWorkDir() {
    separate = true;
    QDir::setCurrent(workFolder.path());
}

QString Sandbox::inProgram(const char* name) const {
    return QDir(programFolder.path()).filePath(QString::fromLatin1(name));
}

QString Sandbox::inWork(const char* name) const {
    return QDir(separate ? workFolder.path() : programFolder.path())
        .filePath(QString::fromLatin1(name));
}

void Sandbox::writeFile(const QString& path, const std::string& bytes) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        qFatal("cannot write test file %s", qPrintable(path));
    }
}

std::string Sandbox::readFile(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void Sandbox::prepareGame(const std::vector<std::string>& words,
                          const std::vector<std::string>& bonusWords) {
    writeFile(inWork("woordenlijst.txt"), crlfLines(words));
    writeFile(inWork("bonuslijst.txt"), crlfLines(bonusWords));
    writeFile(inProgram("highscores.txt"), "");
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

FileSizeLimit::FileSizeLimit(long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    saved_ = limit.rlim_cur;
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(saved_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, savedHandler_);
}

std::string highscoreFileFor(const std::string& plain) {
    return data::EncryptString(plain, data::kHighscoreKey) + "\r\n";
}

QStringList unfittedTexts(QWidget& window) {
    QStringList unfitted;
    for (ui::Label* label : window.findChildren<ui::Label*>()) {
        const ui::TextLayout layout = label->textLayout();
        if (layout.width > label->width() || layout.height() > label->height()) {
            unfitted << QStringLiteral("%1: %2x%3 in %4x%5")
                            .arg(label->objectName())
                            .arg(layout.width)
                            .arg(layout.height())
                            .arg(label->width())
                            .arg(label->height());
        }
    }
    for (ui::Button* button : window.findChildren<ui::Button*>()) {
        const ui::TextLayout layout = button->textLayout();
        const QRect box = button->captionRect();
        if (layout.width > box.width() || layout.height() > box.height()) {
            unfitted << button->objectName();
        }
    }
    return unfitted;
}

int VectorList::emptyEntries() const {
    return static_cast<int>(std::count(entries.begin(), entries.end(), std::string()));
}

int VectorList::addItem(std::string_view entry) {
    entries.emplace_back(entry);
    return count() - 1;
}

void VectorList::assignLines(ui::TextLines&& lines) {
    entries.clear();
    for (const auto& span : lines.lines) {
        entries.emplace_back(lines.text, span.offset, span.length);
    }
}

}  // namespace testing
