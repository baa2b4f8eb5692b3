// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/store.h"

#include <QChartView>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace stats {

// Words per minute (left axis) and accuracy (right axis, in percent) of each game, over
// the days the games were played.
class ProgressChart : public QChartView {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent);

    void setProgress(const std::vector<Summary::Point>& points);
    QLineSeries& wordsPerMinute() { return *wordsPerMinute_; }
    QLineSeries& accuracy() { return *accuracy_; }

private:
    QLineSeries* wordsPerMinute_;
    QLineSeries* accuracy_;
    QDateTimeAxis* time_;
    QValueAxis* speedAxis_;
    QValueAxis* percentAxis_;
};

}  // namespace stats
