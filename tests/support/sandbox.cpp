// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sandbox.h"

#include "ui/controls.h"

#include <QDir>
#include <QFile>

namespace testing {

Sandbox::Sandbox()
    : context{dialogs, random, QString(), [this](int code) { ends.push_back(code); }},
      previousDir(QDir::currentPath()) {
    context.programDir = programFolder.path();
    QDir::setCurrent(programFolder.path());
}

Sandbox::~Sandbox() {
    QDir::setCurrent(previousDir);
}

bool Sandbox::load(ui::Form& window) {
    const std::size_t before = ends.size();
    context.guard([&] { window.Form_Load(); });
    return ends.size() > before;
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

}  // namespace testing
