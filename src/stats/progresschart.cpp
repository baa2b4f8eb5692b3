// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/progresschart.h"

#include "base/text.h"
#include "stats/stats_texts.h"
#include "ui/font.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace stats {

namespace {

// Dots on the lines help while there are few games; among thousands they only cost time.
constexpr std::size_t kMostDotted = 60;
constexpr qint64 kHourMs = 3600 * 1000;

}  // namespace

ProgressChart::ProgressChart(QWidget* parent)
    : QChartView(parent),
      wordsPerMinute_(new QLineSeries),
      accuracy_(new QLineSeries),
      time_(new QDateTimeAxis),
      speedAxis_(new QValueAxis),
      percentAxis_(new QValueAxis) {
    setObjectName(QStringLiteral("voortgang"));
    setAccessibleName(QStringLiteral("Grafiek van woorden per minuut en nauwkeurigheid per spel"));
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    const QFont font = ui::toQFont(ui::kWindowFont);
    chart->legend()->setFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);

    wordsPerMinute_->setName(base::toQString(stats_texts::kWordsPerMinuteSeries));
    accuracy_->setName(base::toQString(stats_texts::kAccuracySeries));
    chart->addSeries(wordsPerMinute_);
    chart->addSeries(accuracy_);

    time_->setFormat(QStringLiteral("d-M"));
    time_->setTickCount(5);
    percentAxis_->setRange(0, 100);
    percentAxis_->setLabelFormat(QStringLiteral("%d"));
    speedAxis_->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(time_), static_cast<QAbstractAxis*>(speedAxis_),
          static_cast<QAbstractAxis*>(percentAxis_)}) {
        axis->setLabelsFont(font);
    }
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(speedAxis_, Qt::AlignLeft);
    chart->addAxis(percentAxis_, Qt::AlignRight);
    wordsPerMinute_->attachAxis(time_);
    wordsPerMinute_->attachAxis(speedAxis_);
    accuracy_->attachAxis(time_);
    accuracy_->attachAxis(percentAxis_);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
}

void ProgressChart::setProgress(const std::vector<Summary::Point>& points) {
    QList<QPointF> speeds;
    QList<QPointF> accuracies;
    speeds.reserve(static_cast<qsizetype>(points.size()));
    accuracies.reserve(static_cast<qsizetype>(points.size()));
    double fastest = 0;
    for (const Summary::Point& point : points) {
        const auto when = static_cast<qreal>(point.started);
        speeds.append({when, point.wordsPerMinute});
        accuracies.append({when, point.accuracy});
        fastest = std::max(fastest, point.wordsPerMinute);
    }
    wordsPerMinute_->replace(speeds);
    accuracy_->replace(accuracies);
    const bool dotted = points.size() <= kMostDotted;
    wordsPerMinute_->setPointsVisible(dotted);
    accuracy_->setPointsVisible(dotted);

    // A day's games, or a single one, still get a time axis of some width.
    const qint64 first = points.empty() ? 0 : points.front().started;
    const qint64 last = points.empty() ? 0 : points.back().started;
    const qint64 pad = std::max<qint64>((last - first) / 20, kHourMs);
    time_->setRange(QDateTime::fromMSecsSinceEpoch(first - pad),
                    QDateTime::fromMSecsSinceEpoch(last + pad));
    time_->setFormat(last - first > 2 * 24 * kHourMs ? QStringLiteral("d-M")
                                                     : QStringLiteral("HH:mm"));
    speedAxis_->setRange(0, std::max(10.0, std::ceil(fastest / 10) * 10));
}

}  // namespace stats
