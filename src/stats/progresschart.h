// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/store.h"

#include <QWidget>

#include <vector>

class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace stats {

// The games in the order played: words per minute in the upper pane, accuracy in the lower
// one, each game a thin line and the average of the last ten games a thicker one. A date
// above the upper pane marks where a new day begins; hovering a game tells its figures.
class ProgressChart : public QWidget {
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent);

    void setProgress(const std::vector<Summary::Point>& points);

    // What the panes show. The x values are the games' numbers.
    QLineSeries& wordsPerMinute() { return *speed_.perGame; }
    QLineSeries& accuracy() { return *accuracy_.perGame; }
    QLineSeries& averageWordsPerMinute() { return *speed_.average; }
    QLineSeries& averageAccuracy() { return *accuracy_.average; }
    // The labels along the axes, each at the value it names: the figures beside each pane,
    // the dates where a new day begins below the upper pane, the game numbers below the
    // lower one.
    struct AxisLabel {
        double value = 0;
        QString text;
    };
    const std::vector<AxisLabel>& wordsPerMinuteLabels() const { return speed_.figureLabels; }
    const std::vector<AxisLabel>& accuracyLabels() const { return accuracy_.figureLabels; }
    const std::vector<AxisLabel>& dayLabels() const { return speed_.xLabels; }
    const std::vector<AxisLabel>& gameLabels() const { return accuracy_.xLabels; }

    // What hovering the index'th point shows.
    QString describe(std::size_t index) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Pane {
        QChartView* view = nullptr;
        QChart* chart = nullptr;
        QLineSeries* perGame = nullptr;
        QLineSeries* average = nullptr;
        QValueAxis* numbers = nullptr;  // x: the games' numbers
        QCategoryAxis* days = nullptr;  // x: a line where a new day begins
        QValueAxis* figures = nullptr;
        // Drawn by the pane itself: Qt's axes cut labels short in a pane this low.
        std::vector<AxisLabel> figureLabels;
        std::vector<AxisLabel> xLabels;
        std::vector<QGraphicsSimpleTextItem*> labelItems;
    };

    void setUpPane(Pane& pane, const char* name, const QColor& colour);
    void showAxes();
    void markDays();
    void showLabels(Pane& pane);
    void placeLabels(Pane& pane);
    void hover(const QPointF& point, bool entered);

    std::vector<Summary::Point> points_;
    Pane speed_;
    Pane accuracy_;
};

}  // namespace stats
