// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/window.h"

#include "base/text.h"
#include "data/files.h"
#include "data/wordfile.h"
#include "practice/practice_texts.h"
#include "ui/placement.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QHeaderView>
#include <QLocale>

#include <algorithm>
#include <exception>

namespace practice {

namespace {

constexpr ui::TwipRect pixels(int left, int top, int width, int height) {
    return {left * ui::kTwipsPerPixel, top * ui::kTwipsPerPixel, width * ui::kTwipsPerPixel,
            height * ui::kTwipsPerPixel};
}

constexpr int kWidth = 560;
constexpr int kHeight = 356;
constexpr int kTrackWidth = 544;
constexpr int kTrackHeight = 64;
constexpr ui::Font kTypingFont{ui::kSerifFace, 18, true};

std::string bytes(const QString& text) {
    return base::toBytesLossy(text);
}

QString text(const char* bytes) {
    return base::toQString(bytes);
}

QString oneDecimal(double value) {
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(value, 'f', 1);
}

QString percent(qint64 errors, qint64 attempts) {
    return oneDecimal(100.0 * static_cast<double>(errors) / static_cast<double>(attempts)) +
           QLatin1Char('%');
}

QString keyList(const std::vector<WeakKey>& keys) {
    QStringList names;
    for (const WeakKey& key : keys) {
        names << QString(key.character);
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace

PracticeWindow::PracticeWindow(stats::Store& store, QString wordList, std::uint32_t seed)
    : ui::Form("Oefenen", ui::fixedDialogFrame()),
      store_(store),
      wordList_(std::move(wordList)),
      random_(seed) {
    setCaption(practice_texts::kCaption);
    setFixedSize(kWidth, kHeight);
    setFont(ui::toQFont(ui::kWindowFont));
    layOut();
    begin.onClick(*this, [this] { startRun(); });
    stop.onClick(*this, [this] {
        if (running_) {
            finishRun();
        } else {
            close();
        }
    });
    ticks.onTick(*this, [this] { tick(); });
    typing.onChange(*this, [this] { typed(); });
    typing.observeKeys(*this);
    setDefaultButton(&begin);
    setCancelButton(&stop);
}

void PracticeWindow::layOut() {
    using namespace practice_texts;
    intro.setup(pixels(8, 6, kWidth - 16, 56), "");
    intro.setPurpose("Wat je oefent");
    progress.setup(pixels(8, 64, kWidth - 16, 17), "");
    progress.setPurpose("Voortgang");
    pace.setup(pixels(8, 82, kWidth - 16, 17), "");
    pace.setPurpose("Tempo");

    track.setObjectName(QStringLiteral("track"));
    track.setAccessibleName(QStringLiteral("Baan"));
    track.setGeometry(ui::toPixels(pixels(8, 102, kTrackWidth, kTrackHeight)));
    // The word starts right of the track and moves in; the track clips it.
    lane.layOut(pixels(kTrackWidth, 12, 533, 41), "", 120, kTrackHeight * ui::kTwipsPerPixel);
    startLeft_ = word.left();
    word.setPurpose("Woord");
    finish.setAccessibleName(QStringLiteral("Finishlijn"));

    typing.setup(pixels(150, 174, 260, 29), kTypingFont, ui::Align::Centre);
    typing.setAccessibleName(QStringLiteral("Typ hier het woord"));
    feedback.setup(pixels(8, 208, kWidth - 16, 17), "", ui::kWindowFont, ui::Align::Centre);
    feedback.setPurpose("Melding");

    results.setObjectName(QStringLiteral("results"));
    results.setAccessibleName(QStringLiteral("Uitkomst per woord"));
    results.setGeometry(ui::toPixels(pixels(8, 102, kWidth - 16, 168)));
    results.setColumnCount(3);
    results.setHorizontalHeaderLabels(
        {text(kWordColumn), text(kOutcomeColumn), text(kMasteredColumn)});
    results.verticalHeader()->hide();
    results.verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    results.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    results.horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    results.horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    results.setEditTriggers(QAbstractItemView::NoEditTriggers);
    results.setSelectionBehavior(QAbstractItemView::SelectRows);
    results.setWordWrap(false);
    results.setShowGrid(false);
    results.hide();
    keysChange.setup(pixels(8, 274, kWidth - 16, 44), "");
    keysChange.setPurpose("Zwakke toetsen");

    begin.setup(pixels(8, 322, 120, 26), kBegin);
    stop.setup(pixels(kWidth - 128, 322, 120, 26), kClose);
    QWidget::setTabOrder(&begin, &typing);
    QWidget::setTabOrder(&typing, &results);
    QWidget::setTabOrder(&results, &stop);
    track.hide();
    typing.hide();
}

void PracticeWindow::open(QWidget& game, const QRect& keepFree) {
    if (!running_) {
        prepare();
    }
    showFormApart(game, keepFree);
    raise();
    activateWindow();
    (running_ ? static_cast<QWidget&>(typing) : static_cast<QWidget&>(begin)).setFocus();
}

// Reads what the run is built from and plans it; says so when there is nothing to plan.
void PracticeWindow::prepare() {
    using namespace practice_texts;
    plan_.clear();
    weakKeys_.clear();
    const std::optional<stats::PracticeHistory> history = store_.practiceHistory();
    if (!history) {
        intro.setCaption(kCannot + bytes(store_.failure()));
        begin.setEnabled(false);
        return;
    }
    base::TextLines list;
    bool listRead = true;
    try {
        list = data::readTextLines(wordList_);
    } catch (const data::FileError&) {
        listRead = false;
    }
    plan_ = planRun(*history, list, random_);
    weakKeys_ = weakKeys(*history);
    pace_ = Pace::fromRecentGames(*history);
    begin.setEnabled(!plan_.empty());
    if (plan_.empty()) {
        intro.setCaption(kNothingYet);
        pace.setCaption("");
        return;
    }
    const auto mistakes = std::count_if(plan_.begin(), plan_.end(),
                                        [](const PlannedWord& word) { return word.fromMistakes; });
    const auto fromList = static_cast<qsizetype>(plan_.size()) - mistakes;
    QString what =
        mistakes > 0 && fromList > 0
            ? text(kPlanBoth).arg(plan_.size()).arg(mistakes).arg(fromList).arg(keyList(weakKeys_))
        : mistakes > 0 ? text(kPlanMistakes).arg(plan_.size())
                       : text(kPlanKeys).arg(plan_.size()).arg(keyList(weakKeys_));
    if (!listRead) {
        what += text(kListUnread);
    }
    const QString speed = QString::number(std::lround(pace_.wordsPerMinute()));
    const QString start =
        history->recentGames > 0 && history->recentWordsPerMinute > 0
            ? text(kPaceFromGames).arg(speed, oneDecimal(history->recentWordsPerMinute))
            : text(kPaceFirst).arg(speed);
    intro.setCaption(bytes(what + QLatin1Char(' ') + start + text(kHowTo)));
    showProgress();
}

void PracticeWindow::startRun() {
    if (plan_.empty() || running_) {
        return;
    }
    running_ = true;
    next_ = 0;
    run_ = stats::PracticeRun{};
    run_.started = QDateTime::currentMSecsSinceEpoch();
    run_.startPace = pace_.wordsPerMinute();
    runKeys_ = {};
    outcomes_.clear();
    results.hide();
    keysChange.setCaption("");
    feedback.setCaption("");
    track.show();
    typing.show();
    typing.setText("");
    typing.setFocus();
    begin.setEnabled(false);
    stop.setCaption(practice_texts::kStop);
    nextWord();
}

void PracticeWindow::nextWord() {
    if (next_ >= plan_.size()) {
        finishRun();
        return;
    }
    const std::string& shown = plan_[next_].word;
    word.setCaption(shown);
    word.setLeft(startLeft_);
    speed_ = pace_.speedFor(static_cast<int>(shown.size()), lane.distanceFrom(startLeft_),
                            ui::MovingWord::kTickMs);
    tally_ = {};
    shownFor_.start();
    showProgress();
    ticks.setEnabled(true);
}

void PracticeWindow::tick() {
    if (running_ && lane.step(speed_)) {
        wordEnded(false);
    }
}

void PracticeWindow::typed() {
    if (running_ && next_ < plan_.size() && typing.textIs(plan_[next_].word)) {
        wordEnded(true);
    }
}

void PracticeWindow::keyPressed(const ui::KeyPress& press) noexcept {
    if (running_ && next_ < plan_.size()) {
        tally_.count(press, plan_[next_].word);
    }
}

void PracticeWindow::wordEnded(bool completed) {
    using namespace practice_texts;
    ticks.setEnabled(false);
    const PlannedWord& planned = plan_[next_];
    const double wayLeft = completed ? static_cast<double>(lane.distanceFrom(word.left())) /
                                           lane.distanceFrom(startLeft_)
                                     : 0.0;
    stats::PracticeWord record{planned.word,          planned.fromMistakes, completed,
                               shownFor_.elapsed(),   tally_.keystrokes,    tally_.errors,
                               pace_.wordsPerMinute()};
    pace_.afterWord(completed, wayLeft);
    ++run_.words;
    const bool clean = completed && tally_.errors == 0;
    run_.firstTime += clean ? 1 : 0;
    run_.missed += completed ? 0 : 1;
    run_.activeMs += record.ms;
    run_.keystrokes += tally_.keystrokes;
    run_.correct += tally_.correct;
    run_.characters += completed ? static_cast<qint64>(planned.word.size()) : 0;
    run_.endPace = pace_.wordsPerMinute();
    for (std::size_t code = 0; code < runKeys_.size(); ++code) {
        runKeys_[code].attempts += tally_.keys[code].attempts;
        runKeys_[code].errors += tally_.keys[code].errors;
    }
    const std::optional<int> streak = store_.savePracticeWord(run_, record, tally_.keys);
    outcomes_.push_back({planned.word, completed, tally_.errors, streak});
    const std::string said = !completed ? bytes(text(kMissed).arg(base::toQString(planned.word)))
                             : clean    ? std::string(kRight)
                                        : std::string(kRightAfterSlip);
    feedback.setCaption(streak ? said : said + " " + kNotKept + bytes(store_.failure()));
    ++next_;
    typing.setText("");
    nextWord();
}

void PracticeWindow::finishRun() {
    using namespace practice_texts;
    ticks.setEnabled(false);
    const bool early = next_ < plan_.size();
    running_ = false;
    track.hide();
    typing.hide();
    const QString summary = early ? text(kStopped).arg(next_).arg(plan_.size()).arg(run_.firstTime)
                                  : text(kDone).arg(run_.firstTime).arg(plan_.size());
    const QString reached = text(kPaceAtEnd).arg(std::lround(pace_.wordsPerMinute()));
    showResults();
    // The next run is planned now, with what this one has mastered left out.
    prepare();
    progress.setCaption(bytes(summary));
    pace.setCaption(bytes(reached));
    feedback.setCaption("");
    begin.setCaption(kAgain);
    stop.setCaption(kClose);
    (begin.isEnabled() ? static_cast<QWidget&>(begin) : static_cast<QWidget&>(results)).setFocus();
}

void PracticeWindow::showProgress() {
    const auto firstTime = std::count_if(outcomes_.begin(), outcomes_.end(), [](const Outcome& o) {
        return o.completed && o.errors == 0;
    });
    progress.setCaption(bytes(text(practice_texts::kProgress)
                                  .arg(plan_.size() - std::min(next_, plan_.size()))
                                  .arg(plan_.size())
                                  .arg(firstTime)));
    pace.setCaption(bytes(text(practice_texts::kPace).arg(std::lround(pace_.wordsPerMinute()))));
}

void PracticeWindow::showResults() {
    using namespace practice_texts;
    results.setRowCount(static_cast<int>(outcomes_.size()));
    int row = 0;
    for (const Outcome& outcome : outcomes_) {
        const char* how = !outcome.completed    ? kMissedOutcome
                          : outcome.errors == 0 ? kFirstTime
                                                : kWithSlips;
        const QString mastered =
            !outcome.streak ? text(kUnknown)
            : *outcome.streak >= stats::kMasteredAfter
                ? text(kMastered)
                : text(kNotYet).arg(*outcome.streak).arg(stats::kMasteredAfter);
        results.setItem(row, 0, new QTableWidgetItem(base::toQString(outcome.word)));
        results.setItem(row, 1, new QTableWidgetItem(text(how)));
        results.setItem(row, 2, new QTableWidgetItem(mastered));
        ++row;
    }
    results.setCurrentCell(0, 0);
    results.setVisible(!outcomes_.empty());

    QStringList changes;
    const auto& table = base::windows1252Table();
    for (const WeakKey& key : weakKeys_) {
        const auto code = static_cast<std::size_t>(
            std::find(table.begin(), table.end(), key.character.unicode()) - table.begin());
        const QString before = oneDecimal(100.0 * key.errorRate) + QLatin1Char('%');
        const QString name = key.typedInstead.isNull()
                                 ? QString(key.character)
                                 : text(kMixedUpKey).arg(key.character).arg(key.typedInstead);
        if (code < table.size() && runKeys_[code].attempts > 0) {
            changes << text(kKeyChange)
                           .arg(name, before,
                                percent(runKeys_[code].errors, runKeys_[code].attempts));
        } else {
            changes << text(kKeyNotTyped).arg(name, before);
        }
    }
    keysChange.setCaption(changes.isEmpty()
                              ? std::string(kNoWeakKeys)
                              : kKeysIntro + bytes(changes.join(QStringLiteral("; "))) + ".");
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        finishRun();
    }
    event->accept();
}

// A fault in practice ends the run, never the game.
void PracticeWindow::guard(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (...) {
        ticks.setEnabled(false);
        running_ = false;
        track.hide();
        typing.hide();
        begin.setEnabled(false);
        stop.setCaption(practice_texts::kClose);
        feedback.setCaption(practice_texts::kFailed);
    }
}

}  // namespace practice
