// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/window.h"

#include "base/text.h"
#include "stats/stats_texts.h"
#include "ui/accessibility.h"
#include "ui/placement.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>

namespace stats {

namespace {

constexpr ui::TwipRect pixels(int left, int top, int width, int height) {
    return {left * ui::kTwipsPerPixel, top * ui::kTwipsPerPixel, width * ui::kTwipsPerPixel,
            height * ui::kTwipsPerPixel};
}

constexpr int kWidth = 520;
constexpr int kHeight = 400;
constexpr int kPageWidth = 500;  // inside the tabs
constexpr int kPageHeight = 320;
constexpr int kRowHeight = 19;
constexpr int kFirstRow = 20;
constexpr int kFrameWidth = 244;
constexpr int kRecordCaptionWidth = 150;
constexpr ui::Font kEmptyFont{ui::kSansFace, 12, false};

// The last game's figures are long ("12 getypt, 3 gemist"), the records' captions are.
void placeFigure(Figure& figure, int row, const char* caption, const char* purpose,
                 int captionWidth = 106) {
    const int top = kFirstRow + row * kRowHeight;
    figure.caption.setup(pixels(8, top, captionWidth, 17), caption);
    figure.value.setup(pixels(8 + captionWidth, top, kFrameWidth - 14 - captionWidth, 17), "");
    figure.value.setPurpose(purpose);
}

std::string bytes(const QString& text) {
    return base::toBytesLossy(text);
}

QString oneDecimal(double value) {
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(value, 'f', 1);
}

QString percentText(double value) {
    return oneDecimal(value) + QLatin1Char('%');
}

// "+2,1" or "-0,4"; the figures are shown to one decimal, and so is their difference.
QString change(double now, double before) {
    const double difference = std::round((now - before) * 10) / 10;
    return (difference >= 0 ? QStringLiteral("+") : QString()) + oneDecimal(difference);
}

std::string orNone(const std::optional<QString>& text) {
    return text ? bytes(*text) : std::string(stats_texts::kNone);
}

bool hasTime(const GameRecord& game) {
    return game.activeMs > 0 && game.completed + game.missed > 0;
}

}  // namespace

std::string lastGameSummary(const Summary& summary) {
    using namespace stats_texts;
    if (!summary.lastGame) {
        return kNoGameYet;
    }
    const GameRecord& game = *summary.lastGame;
    std::string text;
    if (summary.lastTen.games > 0) {
        text += bytes(QString::fromLatin1(kLastTen)
                          .arg(summary.lastTen.games)
                          .arg(oneDecimal(summary.lastTen.wordsPerMinute),
                               percentText(summary.lastTen.accuracy)));
    }
    if (summary.previousGame && game.keystrokes > 0 && summary.previousGame->keystrokes > 0) {
        text += std::string(text.empty() ? "" : " ") + kAgainstPrevious;
    }
    if (game.godMode) {
        return text + (text.empty() ? "" : "\r\n") + kGodGame;
    }
    if (!countsForRecords(game)) {
        return text + (text.empty() ? "" : "\r\n") + kShortGame;
    }
    const Summary::Bests& before = summary.bestsBefore;
    std::vector<const char*> broken;
    const double speed = wordsPerMinute(game.characters, game.activeMs);
    if (hasTime(game) && (!before.wordsPerMinute || speed > *before.wordsPerMinute)) {
        broken.push_back(kRecordSpeed);
    }
    const double accuracy = accuracyPercent(game.correct, game.keystrokes);
    if (game.keystrokes > 0 && (!before.accuracy || accuracy > *before.accuracy)) {
        broken.push_back(kRecordAccuracy);
    }
    if (!before.score || game.score > *before.score) {
        broken.push_back(kRecordScore);
    }
    if (!before.level || game.level > *before.level) {
        broken.push_back(kRecordLevel);
    }
    if (!broken.empty()) {
        text += std::string(text.empty() ? "" : "\r\n") + kNewRecord;
        for (std::size_t i = 0; i < broken.size(); ++i) {
            text += std::string(i == 0 ? "" : ", ") + broken[i];
        }
        text += ".";
    }
    return text;
}

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
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

void StatisticsWindow::layOut() {
    using namespace stats_texts;
    status.setup(pixels(8, 4, 504, 42), keptWhere_);
    empty.setup(pixels(40, 120, 440, 200), kEmpty, kEmptyFont, ui::Align::Centre);
    tabs.setObjectName(QStringLiteral("tabs"));
    tabs.setAccessibleName(base::toQString(kCaption));
    tabs.setGeometry(ui::toPixels(pixels(8, 50, kWidth - 16, kHeight - 58)));
    tabs.setDocumentMode(false);
    overview.setObjectName(QStringLiteral("overview"));
    overview.setAccessibleName(base::toQString(kOverviewTab).remove(QLatin1Char('&')));
    // The pages in the window's own colour, the one its labels are painted in.
    for (QWidget* page :
         {&overview, static_cast<QWidget*>(&progress), static_cast<QWidget*>(&troublesome),
          static_cast<QWidget*>(&keys), static_cast<QWidget*>(&practice)}) {
        page->setAutoFillBackground(true);
        page->setPalette(palette());
    }
    tabs.addTab(&overview, base::toQString(kOverviewTab));
    tabs.addTab(&progress, base::toQString(kProgressTab));
    tabs.addTab(&troublesome, base::toQString(kWordsTab));
    tabs.addTab(&keys, base::toQString(kKeysTab));
    tabs.addTab(&practice, base::toQString(kPracticeTab));
    layOutOverview();
    layOutPractice();

    progress.setup(pixels(0, 0, kPageWidth, kPageHeight), kProgress);
    chart.setGeometry(ui::toPixels(pixels(4, 16, kPageWidth - 12, kPageHeight - 22)));

    troublesome.setup(pixels(0, 0, kPageWidth, kPageHeight), kTroublesome);
    troublesomeWords.setObjectName(QStringLiteral("troublesomeWords"));
    troublesomeWords.setAccessibleName(base::toQString(kTroublesome));
    troublesomeWords.setGeometry(ui::toPixels(pixels(8, 20, kPageWidth - 20, kPageHeight - 30)));
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

    keys.setup(pixels(0, 0, kPageWidth, kPageHeight), kKeys);
    keyboard.setGeometry(ui::toPixels(pixels(6, 18, kPageWidth - 14, 200)));
    keysLegend.setup(pixels(10, 222, kPageWidth - 20, 30), kKeysLegend);
    mixups.setup(pixels(10, 256, kPageWidth - 20, 58), "");
    mixups.setPurpose("Verwisselde toetsen");
}

void StatisticsWindow::layOutOverview() {
    using namespace stats_texts;
    lastGame.setup(pixels(0, 0, kFrameWidth, kPageHeight), kLastGame);
    placeFigure(lastWordsPerMinute, 0, kWordsPerMinute, "Woorden per minuut in het laatste spel");
    placeFigure(lastAccuracy, 1, kAccuracy, "Nauwkeurigheid in het laatste spel");
    placeFigure(lastWords, 2, kWords, "Woorden in het laatste spel");
    placeFigure(lastScore, 3, kScore, "Score van het laatste spel");
    placeFigure(lastLevel, 4, kLevel, "Level van het laatste spel");
    lastSummary.setup(pixels(8, kFirstRow + 5 * kRowHeight + 6, kFrameWidth - 16, 190), "");
    lastSummary.setPurpose("Het laatste spel vergeleken");

    bests.setup(pixels(kFrameWidth + 8, 0, kFrameWidth, kPageHeight), kBests);
    placeFigure(bestWordsPerMinute, 0, kWordsPerMinute, "Record woorden per minuut",
                kRecordCaptionWidth);
    placeFigure(bestAccuracy, 1, kAccuracy, "Record nauwkeurigheid", kRecordCaptionWidth);
    placeFigure(bestScore, 2, kScore, "Hoogste score", kRecordCaptionWidth);
    placeFigure(bestLevel, 3, kLevel, "Hoogste level", kRecordCaptionWidth);
    placeFigure(longestSequence, 4, kLongestSequence, "Langste reeks onthouden",
                kRecordCaptionWidth);
    placeFigure(games, 5, kGames, "Gespeelde spellen", kRecordCaptionWidth);
    recordRule.setup(pixels(8, kFirstRow + 6 * kRowHeight + 6, kFrameWidth - 16, 60), kRecordRule);
}

void StatisticsWindow::layOutPractice() {
    using namespace stats_texts;
    practice.setup(pixels(0, 0, kPageWidth, kPageHeight), kPractice);
    practiceIntro.setup(pixels(8, 18, kPageWidth - 16, 44), kPracticeIntro);
    practiceRuns.setObjectName(QStringLiteral("practiceRuns"));
    practiceRuns.setAccessibleName(base::toQString(kPractice));
    practiceRuns.setGeometry(ui::toPixels(pixels(8, 64, kPageWidth - 20, 190)));
    practiceRuns.setColumnCount(4);
    practiceRuns.setHorizontalHeaderLabels(
        {base::toQString(kRunStartedColumn), base::toQString(kRunWordsColumn),
         base::toQString(kRunFirstTimeColumn), base::toQString(kRunPaceColumn)});
    practiceRuns.verticalHeader()->hide();
    practiceRuns.verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    practiceRuns.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column) {
        practiceRuns.horizontalHeader()->setSectionResizeMode(column,
                                                              QHeaderView::ResizeToContents);
    }
    practiceRuns.setEditTriggers(QAbstractItemView::NoEditTriggers);
    practiceRuns.setSelectionMode(QAbstractItemView::NoSelection);
    practiceRuns.setWordWrap(false);
    practiceRuns.setShowGrid(false);
    practiceCount.setup(pixels(8, 258, kPageWidth - 20, 17), "");
    practiceCount.setPurpose("Oefenrondes");
    practise.setup(pixels(8, 282, 200, 28), kPractise);
    connect(&practise, &QPushButton::clicked, this, [this] { askForPractice(); });
    practiseKey.setContext(Qt::WindowShortcut);
    connect(&practiseKey, &QShortcut::activated, this, [this] { askForPractice(); });
}

void StatisticsWindow::askForPractice() {
    if (openPractice_) {
        openPractice_();
    }
}

void StatisticsWindow::showPracticeRuns(const Summary& summary) {
    using namespace stats_texts;
    practiceRuns.setRowCount(static_cast<int>(summary.practiceRuns.size()));
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    int row = 0;
    for (const PracticeRun& run : summary.practiceRuns) {
        const auto cell = [&](int column, const QString& text, Qt::Alignment align) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(align | Qt::AlignVCenter);
            practiceRuns.setItem(row, column, item);
        };
        cell(0, dutch.toString(QDateTime::fromMSecsSinceEpoch(run.started), QLocale::ShortFormat),
             Qt::AlignLeft);
        cell(1, QString::number(run.words), Qt::AlignRight);
        cell(2, QString::number(run.firstTime), Qt::AlignRight);
        cell(
            3,
            base::toQString(kRunPace).arg(std::lround(run.startPace)).arg(std::lround(run.endPace)),
            Qt::AlignRight);
        ++row;
    }
    practiceRuns.setCurrentItem(nullptr);
    practiceCount.setCaption(summary.practiceRunCount == 0
                                 ? std::string(kNoRunYet)
                                 : bytes(QString::fromLatin1(kRunCount)
                                             .arg(summary.practiceRunCount)
                                             .arg(summary.practiceRuns.size())));
}

void StatisticsWindow::showBeside(QWidget& other, const QRect& keepFree) {
    typingTo_ = &other;
    refresh();
    ui::showApart(*this, other, keepFree);
}

namespace {

// A key that types into a word: a character, or Backspace and Delete. Space and Enter on
// a button of this window press it, and shortcuts (F3, Alt+letter, Ctrl+Tab) stay here.
bool typesIntoTheWord(const QKeyEvent& key, const QObject* at) {
    const Qt::KeyboardModifiers chord = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (chord != Qt::NoModifier) {
        return false;
    }
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) {
        return true;
    }
    const bool onButton = qobject_cast<const QAbstractButton*>(at) != nullptr;
    return !key.text().isEmpty() && key.text().at(0).isPrint() &&
           !(onButton && key.key() == Qt::Key_Space);
}

}  // namespace

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only to a window still on the screen: memory mode hides the main window, and back.
    if (event->type() == QEvent::KeyPress && typingTo_ && typingTo_->isVisible() &&
        typesIntoTheWord(*static_cast<QKeyEvent*>(event), watched)) {
        QWidget* box = typingTo_->focusWidget() ? typingTo_->focusWidget() : typingTo_.data();
        const std::unique_ptr<QEvent> typed(event->clone());
        QCoreApplication::sendEvent(box, typed.get());
        typingTo_->activateWindow();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StatisticsWindow::markStale() noexcept {
    stale_ = true;
    if (!isVisible() || refreshDue_) {
        return;
    }
    // After the word's own work, when the event loop next comes by.
    refreshDue_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshDue_ = false;
        if (stale_ && isVisible()) {
            refresh();
        }
    });
}

void StatisticsWindow::refresh() {
    stale_ = false;
    present(store_.summary());
}

void StatisticsWindow::present(const Summary& summary) {
    using namespace stats_texts;
    status.setCaption(store_.failed() ? kRecordingOff + bytes(store_.failure()) + kPlayGoesOn
                                      : keptWhere_);
    const bool history = !summary.empty();
    empty.setCaption(store_.failed() ? kNothingToShow : kEmpty);
    empty.setVisible(!history);
    tabs.setVisible(history);
    if (!history) {
        return;
    }
    showLastGame(summary);
    showBests(summary.bests);
    showTroublesome(summary.troublesome);
    chart.setProgress(summary.progress);
    chart.setAccessibleDescription(
        QStringLiteral("%1 spellen met toetsaanslagen. Laatste spel: %2 woorden per minuut, %3 "
                       "nauwkeurig.")
            .arg(summary.progress.empty() ? 0 : summary.progress.back().number)
            .arg(base::toQString(lastWordsPerMinute.value.caption()),
                 base::toQString(lastAccuracy.value.caption())));
    keyboard.setKeys(summary.keys);
    showMixups(summary.mixups);
    showPracticeRuns(summary);
}

void StatisticsWindow::showLastGame(const Summary& summary) {
    lastSummary.setCaption(lastGameSummary(summary));
    const std::optional<GameRecord>& game = summary.lastGame;
    const std::optional<GameRecord>& before = summary.previousGame;
    const bool timed = game && hasTime(*game);
    const bool typed = game && game->keystrokes > 0;
    std::optional<QString> speed;
    std::optional<QString> accuracy;
    if (timed) {
        const double now = wordsPerMinute(game->characters, game->activeMs);
        speed = oneDecimal(now);
        if (before && hasTime(*before)) {
            *speed += QStringLiteral(" (") +
                      change(now, wordsPerMinute(before->characters, before->activeMs)) +
                      QLatin1Char(')');
        }
    }
    if (typed) {
        const double now = accuracyPercent(game->correct, game->keystrokes);
        accuracy = percentText(now);
        if (before && before->keystrokes > 0) {
            *accuracy += QStringLiteral(" (") +
                         change(now, accuracyPercent(before->correct, before->keystrokes)) +
                         QLatin1Char(')');
        }
    }
    lastWordsPerMinute.value.setCaption(orNone(speed));
    lastAccuracy.value.setCaption(orNone(accuracy));
    lastWords.value.setCaption(game ? bytes(QString::fromLatin1(stats_texts::kWordsCompletedMissed)
                                                .arg(game->completed)
                                                .arg(game->missed))
                                    : std::string(stats_texts::kNone));
    lastScore.value.setCaption(game ? base::decimal(game->score) : stats_texts::kNone);
    lastLevel.value.setCaption(game ? base::decimal(game->level) : stats_texts::kNone);
}

void StatisticsWindow::showBests(const Summary::Bests& best) {
    const auto number = [](const auto& value) {
        return value ? base::decimal(static_cast<qint64>(*value)) : std::string(stats_texts::kNone);
    };
    bestWordsPerMinute.value.setCaption(
        best.wordsPerMinute ? bytes(oneDecimal(*best.wordsPerMinute)) : stats_texts::kNone);
    bestAccuracy.value.setCaption(best.accuracy ? bytes(percentText(*best.accuracy))
                                                : stats_texts::kNone);
    bestScore.value.setCaption(number(best.score));
    bestLevel.value.setCaption(number(best.level));
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

void StatisticsWindow::showMixups(const std::vector<Summary::Mixup>& found) {
    using namespace stats_texts;
    if (found.empty()) {
        mixups.setCaption(kNoMixups);
        return;
    }
    QStringList parts;
    for (const Summary::Mixup& mixup : found) {
        parts << QString::fromLatin1(kMixup).arg(mixup.typed, mixup.due);
    }
    mixups.setCaption(kMixupsIntro + bytes(parts.join(QStringLiteral(", "))) + ".");
}

}  // namespace stats
