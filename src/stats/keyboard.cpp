// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/keyboard.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

namespace stats {

namespace {

// The rows of the picture and how far each is indented, in key widths.
constexpr std::pair<const char*, double> kRows[] = {
    {"`1234567890-=", 0.0},
    {"qwertyuiop[]", 0.5},
    {"asdfghjkl;'", 0.75},
    {"zxcvbnm,./", 1.25},
};
constexpr double kSpaceBarFrom = 3.5;  // key widths
constexpr double kSpaceBarWidth = 6.0;
constexpr double kKeysAcross = 13.0;
constexpr double kKeysDown = 5.0;
// An error rate at or above this is as red as a key gets.
constexpr double kReddest = 0.2;

constexpr std::pair<char16_t, char16_t> kShifted[] = {
    {u'~', u'`'}, {u'!', u'1'},  {u'@', u'2'}, {u'#', u'3'}, {u'$', u'4'},
    {u'%', u'5'}, {u'^', u'6'},  {u'&', u'7'}, {u'*', u'8'}, {u'(', u'9'},
    {u')', u'0'}, {u'_', u'-'},  {u'+', u'='}, {u'{', u'['}, {u'}', u']'},
    {u':', u';'}, {u'"', u'\''}, {u'<', u','}, {u'>', u'.'}, {u'?', u'/'},
};

bool onPicture(QChar key) {
    if (key == QChar(u' ')) {
        return true;
    }
    return std::any_of(std::begin(kRows), std::end(kRows),
                       [&](const auto& row) { return QLatin1String(row.first).contains(key); });
}

QColor colourFor(double rate) {
    if (rate < 0) {
        return QColor(215, 215, 215);
    }
    const double redness = std::min(rate / kReddest, 1.0);
    return QColor::fromHsvF(static_cast<float>((1.0 - redness) / 3.0), 0.55f, 0.95f);
}

}  // namespace

QChar keyOf(QChar character) {
    const QString letter = QString(character.toLower()).normalized(QString::NormalizationForm_D);
    QChar key = letter.isEmpty() ? QChar() : letter.front();
    for (const auto& [shifted, plain] : kShifted) {
        if (key == QChar(shifted)) {
            key = QChar(plain);
        }
    }
    return onPicture(key) ? key : QChar();
}

KeyboardView::KeyboardView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("toetsenbord"));
    setAccessibleName(
        QStringLiteral("Toetsenbord, elke toets gekleurd naar hoe vaak je hem "
                       "fout typt"));
    describe();
}

void KeyboardView::setKeys(const std::vector<Summary::Key>& keys) {
    tallies_.clear();
    for (const Summary::Key& key : keys) {
        const QChar on = keyOf(key.character);
        if (!on.isNull()) {
            KeyTally& tally = tallies_[on.unicode()];
            tally.attempts += key.tally.attempts;
            tally.errors += key.tally.errors;
        }
    }
    describe();
    update();
}

double KeyboardView::errorRate(QChar key) const {
    const auto found = tallies_.find(key.unicode());
    if (found == tallies_.end() || found->second.attempts < kColourAttempts) {
        return -1;
    }
    return static_cast<double>(found->second.errors) / found->second.attempts;
}

// What a screen reader says beyond the name: the keys typed wrong most often.
void KeyboardView::describe() {
    std::vector<std::pair<double, QChar>> worst;
    for (const auto& [key, tally] : tallies_) {
        if (tally.errors > 0 && errorRate(QChar(key)) >= 0) {
            worst.emplace_back(errorRate(QChar(key)), QChar(key));
        }
    }
    std::sort(worst.begin(), worst.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    if (worst.empty()) {
        setAccessibleDescription(QStringLiteral("Nog geen fouten."));
        return;
    }
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    QStringList most;
    for (std::size_t i = 0; i < std::min<std::size_t>(worst.size(), 5); ++i) {
        const QString name =
            worst[i].second == QChar(u' ') ? QStringLiteral("spatie") : QString(worst[i].second);
        most << QStringLiteral("%1 %2%").arg(name, dutch.toString(100 * worst[i].first, 'f', 0));
    }
    setAccessibleDescription(QStringLiteral("Vaakst fout: ") + most.join(QStringLiteral(", ")));
}

void KeyboardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = std::min(width() / kKeysAcross, height() / kKeysDown);
    const double gap = std::max(2.0, size / 10);
    const auto drawKey = [&](QRectF box, QChar key, const QString& label) {
        box.adjust(gap / 2, gap / 2, -gap / 2, -gap / 2);
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.setBrush(colourFor(errorRate(key)));
        painter.drawRoundedRect(box, gap, gap);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, label);
    };
    const double left = (width() - kKeysAcross * size) / 2;
    double top = 0;
    for (const auto& [keys, indent] : kRows) {
        double x = left + indent * size;
        for (const char* key = keys; *key; ++key) {
            drawKey(QRectF(x, top, size, size), QChar(*key), QString(QChar(*key)).toUpper());
            x += size;
        }
        top += size;
    }
    drawKey(QRectF(left + kSpaceBarFrom * size, top, kSpaceBarWidth * size, size), QChar(u' '),
            QStringLiteral("spatie"));
}

}  // namespace stats
