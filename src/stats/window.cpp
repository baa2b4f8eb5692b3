// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/window.h"

#include "base/text.h"
#include "stats/stats_texts.h"
#include "ui/accessibility.h"

#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>

#include <algorithm>

namespace stats {

namespace {

constexpr ui::TwipRect pixels(int left, int top, int width, int height) {
    return {left * ui::kTwipsPerPixel, top * ui::kTwipsPerPixel, width * ui::kTwipsPerPixel,
            height * ui::kTwipsPerPixel};
}

constexpr int kWidth = 720;
constexpr int kHeight = 548;
constexpr int kRowHeight = 19;
constexpr int kFirstRow = 20;
constexpr ui::Font kEmptyFont{ui::kSansFace, 12, false};

void placeFigure(Figure& figure, int row, const char* caption, const char* purpose) {
    const int top = kFirstRow + row * kRowHeight;
    figure.caption.setup(pixels(10, top, 130, 17), caption);
    figure.value.setup(pixels(142, top, 140, 17), "");
    figure.value.setPurpose(purpose);
}

std::string bytes(const QString& text) {
    return base::toBytesLossy(text);
}

QString oneDecimal(double value) {
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(value, 'f', 1);
}

std::string percent(double value) {
    return bytes(oneDecimal(value) + QLatin1Char('%'));
}

// Beside `other` on its screen: to the right where there is room, else to the left; on a
// screen too small for both, against its right edge, so that the finish line stays in
// sight.
QPoint placeBeside(const QRect& other, const QSize& size, const QRect& screen) {
    constexpr int kGap = 8;
    const int rightmost = std::max(screen.left(), screen.right() + 1 - size.width());
    int x = other.right() + 1 + kGap;
    if (x > rightmost) {
        x = other.left() - kGap - size.width();
    }
    if (x < screen.left()) {
        x = rightmost;
    }
    const int y = std::clamp(other.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() - size.height()));
    return {x, y};
}

}  // namespace

StatisticsWindow::StatisticsWindow(Store& store, std::string keptWhere)
    : QWidget(nullptr, Qt::Window), store_(store), keptWhere_(std::move(keptWhere)) {
    // What screen readers call the window and its pictures: a window, a chart, a graphic.
    ui::assignAccessibleRole("stats::StatisticsWindow", QAccessible::Window);
    ui::assignAccessibleRole("stats::ProgressChart", QAccessible::Chart);
    ui::assignAccessibleRole("stats::KeyboardView", QAccessible::Graphic);
    setObjectName(QStringLiteral("Statistieken"));
    setWindowTitle(base::toQString(stats_texts::kCaption));
    setFixedSize(kWidth, kHeight);
    setFont(ui::toQFont(ui::kWindowFont));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::kButtonFace.toQColor());
    setPalette(p);
    layOut();
}

void StatisticsWindow::layOut() {
    using namespace stats_texts;
    status.setup(pixels(8, 6, 704, 30), keptWhere_);
    empty.setup(pixels(80, 150, 560, 200), kEmpty, kEmptyFont, ui::Align::Centre);

    lastGame.setup(pixels(8, 42, 290, 120), kLastGame);
    placeFigure(lastWordsPerMinute, 0, kWordsPerMinute, "Woorden per minuut in het laatste spel");
    placeFigure(lastAccuracy, 1, kAccuracy, "Nauwkeurigheid in het laatste spel");
    placeFigure(lastWords, 2, kWords, "Woorden in het laatste spel");
    placeFigure(lastScore, 3, kScore, "Score van het laatste spel");
    placeFigure(lastLevel, 4, kLevel, "Level van het laatste spel");

    bests.setup(pixels(8, 168, 290, 139), kBests);
    placeFigure(bestWordsPerMinute, 0, kWordsPerMinute, "Record woorden per minuut");
    placeFigure(bestAccuracy, 1, kAccuracy, "Record nauwkeurigheid");
    placeFigure(bestScore, 2, kScore, "Hoogste score");
    placeFigure(bestLevel, 3, kLevel, "Hoogste level");
    placeFigure(longestSequence, 4, kLongestSequence, "Langste reeks onthouden");
    placeFigure(games, 5, kGames, "Gespeelde spellen");

    troublesome.setup(pixels(8, 313, 290, 227), kTroublesome);
    troublesomeWords.setObjectName(QStringLiteral("troublesomeWords"));
    troublesomeWords.setAccessibleName(base::toQString(kTroublesome));
    troublesomeWords.setGeometry(ui::toPixels(pixels(8, 20, 274, 199)));
    troublesomeWords.setColumnCount(3);
    troublesomeWords.setHorizontalHeaderLabels({base::toQString(kWordColumn),
                                                base::toQString(kMissedColumn),
                                                base::toQString(kMistypedColumn)});
    troublesomeWords.verticalHeader()->hide();
    troublesomeWords.verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    troublesomeWords.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    troublesomeWords.horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    troublesomeWords.horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    troublesomeWords.setEditTriggers(QAbstractItemView::NoEditTriggers);
    troublesomeWords.setSelectionMode(QAbstractItemView::NoSelection);
    troublesomeWords.setWordWrap(false);
    troublesomeWords.setShowGrid(false);

    progress.setup(pixels(306, 42, 406, 265), kProgress);
    chart.setGeometry(ui::toPixels(pixels(6, 18, 394, 241)));

    keys.setup(pixels(306, 313, 406, 227), kKeys);
    keyboard.setGeometry(ui::toPixels(pixels(6, 18, 394, 166)));
    keysLegend.setup(pixels(10, 188, 386, 32), kKeysLegend);
}

void StatisticsWindow::showBeside(QWidget& other) {
    refresh();
    if (!isVisible()) {
        const QRect screen = other.screen() ? other.screen()->availableGeometry() : QRect();
        move(screen.isEmpty() ? other.frameGeometry().topRight()
                              : placeBeside(other.frameGeometry(), frameGeometry().size(), screen));
    }
    QWidget::show();
    raise();
    activateWindow();
}

void StatisticsWindow::refresh() {
    stale_ = false;
    present(store_.summary());
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && stale_) {
        refresh();
    }
}

void StatisticsWindow::present(const Summary& summary) {
    using namespace stats_texts;
    status.setCaption(store_.failed() ? kRecordingOff + bytes(store_.failure()) + kPlayGoesOn
                                      : keptWhere_);
    const bool history = !summary.empty();
    empty.setCaption(store_.failed() ? kNothingToShow : kEmpty);
    empty.setVisible(!history);
    for (QWidget* part : {static_cast<QWidget*>(&lastGame), static_cast<QWidget*>(&bests),
                          static_cast<QWidget*>(&troublesome), static_cast<QWidget*>(&progress),
                          static_cast<QWidget*>(&keys)}) {
        part->setVisible(history);
    }
    if (!history) {
        return;
    }
    showLastGame(summary.lastGame.value_or(GameRecord{}));
    showBests(summary.bests);
    showTroublesome(summary.troublesome);
    chart.setProgress(summary.progress);
    chart.setAccessibleDescription(
        QStringLiteral("%1 spellen met toetsaanslagen. Laatste spel: %2 woorden per minuut, %3% "
                       "nauwkeurig.")
            .arg(summary.progress.size())
            .arg(base::toQString(lastWordsPerMinute.value.caption()),
                 oneDecimal(summary.lastGame ? accuracyPercent(summary.lastGame->correct,
                                                               summary.lastGame->keystrokes)
                                             : 0)));
    keyboard.setKeys(summary.keys);
}

void StatisticsWindow::showLastGame(const GameRecord& game) {
    lastWordsPerMinute.value.setCaption(
        bytes(oneDecimal(wordsPerMinute(game.characters, game.activeMs))));
    lastAccuracy.value.setCaption(percent(accuracyPercent(game.correct, game.keystrokes)));
    lastWords.value.setCaption(bytes(QString::fromLatin1(stats_texts::kWordsCompletedMissed)
                                         .arg(game.completed)
                                         .arg(game.missed)));
    lastScore.value.setCaption(base::decimal(game.score));
    lastLevel.value.setCaption(base::decimal(game.level));
}

void StatisticsWindow::showBests(const Summary::Bests& best) {
    bestWordsPerMinute.value.setCaption(bytes(oneDecimal(best.wordsPerMinute)));
    bestAccuracy.value.setCaption(percent(best.accuracy));
    bestScore.value.setCaption(base::decimal(best.score));
    bestLevel.value.setCaption(base::decimal(best.level));
    longestSequence.value.setCaption(base::decimal(best.longestSequence));
    games.value.setCaption(base::decimal(best.games));
}

void StatisticsWindow::showTroublesome(const std::vector<Summary::Trouble>& words) {
    troublesomeWords.setRowCount(static_cast<int>(words.size()));
    int row = 0;
    for (const Summary::Trouble& word : words) {
        const auto cell = [&](int column, const QString& text, Qt::Alignment align) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(align | Qt::AlignVCenter);
            troublesomeWords.setItem(row, column, item);
        };
        cell(0, word.word, Qt::AlignLeft);
        cell(1, QString::number(word.missed), Qt::AlignRight);
        cell(2, QString::number(word.mistyped), Qt::AlignRight);
        ++row;
    }
    troublesomeWords.setCurrentItem(nullptr);
}

}  // namespace stats
