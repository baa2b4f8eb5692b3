// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/progresschart.h"

#include "base/text.h"
#include "stats/stats_texts.h"
#include "ui/font.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDateTime>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <set>

namespace stats {

namespace {

// Dots on the lines help while there are few games; among many they only cost time.
constexpr std::size_t kMostDotted = 60;
// The moving average covers this many games.
constexpr int kAveraged = 10;
// Steps between labels along an axis, at most.
constexpr int kMostGameSteps = 6;
constexpr int kMostFigureSteps = 4;
// Pixels between a label and the plot area.
constexpr int kLabelGap = 3;

const QColor kText(0x20, 0x20, 0x20);
const QColor kGrid(0xdd, 0xdd, 0xdd);
const QColor kDayLine(0x99, 0x99, 0x99);

QLocale dutch() {
    QLocale locale(QLocale::Dutch, QLocale::Netherlands);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Labels from `first` to `last` in steps of 1, 2 or 5 times a power of ten, shown with as
// many decimals as the step needs.
struct Ticks {
    double first = 0;
    double last = 0;
    double step = 1;
    int decimals = 0;
};

Ticks roundTicks(double low, double high, int most, double smallest) {
    const double rough = std::max(high - low, smallest) / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    Ticks ticks;
    ticks.step = 10 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough * (1 - 1e-9)) {
            ticks.step = factor * power;
            break;
        }
    }
    ticks.step = std::max(ticks.step, smallest);
    ticks.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(ticks.step) + 1e-9)));
    ticks.first = std::floor(low / ticks.step + 1e-9) * ticks.step;
    ticks.last =
        std::max(std::ceil(high / ticks.step - 1e-9) * ticks.step, ticks.first + ticks.step);
    return ticks;
}

void clear(QCategoryAxis& axis) {
    for (const QString& label : axis.categoriesLabels()) {
        axis.remove(label);
    }
}

// Spans the axis over the ticks and a little room on both sides, its grid at each tick;
// returns the labels of the ticks.
std::vector<ProgressChart::AxisLabel> showTicks(QValueAxis& axis, const Ticks& ticks) {
    const double room = ticks.step * 0.08;
    axis.setRange(ticks.first - room, ticks.last + room);
    axis.setTickAnchor(ticks.first);
    axis.setTickInterval(ticks.step);
    const QLocale locale = dutch();
    const double scale = std::pow(10.0, ticks.decimals);
    const auto steps = static_cast<int>(std::lround((ticks.last - ticks.first) / ticks.step));
    std::vector<ProgressChart::AxisLabel> labels;
    for (int i = 0; i <= steps; ++i) {
        const double value = std::round((ticks.first + i * ticks.step) * scale) / scale;
        labels.push_back({value, locale.toString(value, 'f', ticks.decimals)});
    }
    return labels;
}

// The average of the last kAveraged games up to each point, a point standing for as many
// games as it averages.
QList<QPointF> movingAverage(const QList<QPointF>& figures,
                             const std::vector<Summary::Point>& points) {
    QList<QPointF> average;
    average.reserve(figures.size());
    for (qsizetype i = 0; i < figures.size(); ++i) {
        double sum = 0;
        int games = 0;
        for (qsizetype j = i; j >= 0 && games < kAveraged; --j) {
            const int counted = std::min(std::max(points[j].games, 1), kAveraged - games);
            sum += figures[j].y() * counted;
            games += counted;
        }
        average.append({figures[i].x(), sum / games});
    }
    return average;
}

}  // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("voortgang"));
    setAccessibleName(base::toQString(stats_texts::kProgressChartName));
    // Light whatever the desktop's colours: the lines and labels are drawn for white.
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setUpPane(speed_, stats_texts::kWordsPerMinuteSeries, QColor(0x1f, 0x5f, 0xbf));
    setUpPane(accuracy_, stats_texts::kAccuracySeries, QColor(0xd0, 0x6a, 0x00));
    setProgress({});
}

void ProgressChart::setUpPane(Pane& pane, const char* name, const QColor& colour) {
    const QFont font = ui::toQFont(ui::kWindowFont);
    pane.chart = new QChart;
    pane.chart->setTheme(QChart::ChartThemeLight);
    pane.chart->setAnimationOptions(QChart::NoAnimation);
    pane.chart->setBackgroundBrush(Qt::white);
    pane.chart->setBackgroundRoundness(0);
    pane.chart->layout()->setContentsMargins(0, 0, 0, 0);
    QLegend& legend = *pane.chart->legend();
    legend.setFont(font);
    legend.setLabelColor(kText);
    legend.setAlignment(Qt::AlignTop);
    legend.setMarkerShape(QLegend::MarkerShapeFromSeries);

    pane.perGame = new QLineSeries;
    pane.perGame->setName(base::toQString(name));
    pane.perGame->setPen(QPen(colour.lighter(130), 1));
    pane.perGame->setMarkerSize(4);
    pane.average = new QLineSeries;
    pane.average->setName(base::toQString(stats_texts::kAverageSeries));
    pane.average->setPen(QPen(colour.darker(140), 2.5));
    pane.chart->addSeries(pane.perGame);
    pane.chart->addSeries(pane.average);

    pane.numbers = new QValueAxis;
    pane.figures = new QValueAxis;
    for (QValueAxis* axis : {pane.numbers, pane.figures}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setLabelsVisible(false);
        axis->setGridLineColor(kGrid);
        axis->setLinePenColor(kDayLine);
    }
    pane.days = new QCategoryAxis;
    pane.days->setLabelsVisible(false);
    pane.days->setLineVisible(false);
    pane.days->setLinePenColor(Qt::transparent);
    pane.days->setGridLinePen(QPen(kDayLine, 1, Qt::DashLine));
    pane.chart->addAxis(pane.numbers, Qt::AlignBottom);
    pane.chart->addAxis(pane.days, Qt::AlignTop);
    pane.chart->addAxis(pane.figures, Qt::AlignLeft);
    for (QLineSeries* series : {pane.perGame, pane.average}) {
        series->attachAxis(pane.numbers);
        series->attachAxis(pane.figures);
        connect(series, &QXYSeries::hovered, this, &ProgressChart::hover);
    }
    connect(pane.chart, &QChart::plotAreaChanged, this, [this, &pane] { placeLabels(pane); });

    pane.view = new QChartView(pane.chart, this);
    pane.view->setFrameShape(QFrame::NoFrame);
    pane.view->setBackgroundBrush(Qt::white);
    pane.view->setRenderHint(QPainter::Antialiasing);
    pane.view->setFocusPolicy(Qt::NoFocus);
}

void ProgressChart::setProgress(const std::vector<Summary::Point>& points) {
    points_ = points;
    QList<QPointF> speeds;
    QList<QPointF> accuracies;
    speeds.reserve(static_cast<qsizetype>(points.size()));
    accuracies.reserve(static_cast<qsizetype>(points.size()));
    for (const Summary::Point& point : points) {
        const auto number = static_cast<qreal>(point.number);
        speeds.append({number, point.wordsPerMinute});
        accuracies.append({number, point.accuracy});
    }
    const bool dotted = points.size() <= kMostDotted;
    speed_.perGame->replace(speeds);
    speed_.average->replace(movingAverage(speeds, points));
    accuracy_.perGame->replace(accuracies);
    accuracy_.average->replace(movingAverage(accuracies, points));
    // The games get dots; the average is a line only.
    speed_.perGame->setPointsVisible(dotted);
    accuracy_.perGame->setPointsVisible(dotted);
    showAxes();
}

void ProgressChart::showAxes() {
    double fastest = 0;
    double leastAccurate = 100;
    for (const Summary::Point& point : points_) {
        fastest = std::max(fastest, point.wordsPerMinute);
        leastAccurate = std::min(leastAccurate, point.accuracy);
    }
    // Without games a scale a beginner may reach.
    fastest = points_.empty() ? 10 : std::max(fastest, 1.0);
    speed_.figureLabels = showTicks(*speed_.figures, roundTicks(0, fastest, kMostFigureSteps, 0.1));
    // Accuracy rarely strays far below 100: ten points at least, not the whole scale.
    accuracy_.figureLabels = showTicks(
        *accuracy_.figures, roundTicks(std::min(leastAccurate, 90.0), 100, kMostFigureSteps, 0.1));

    // Game numbers: a single game between its neighbours' numbers.
    const double first = points_.empty() ? 0 : static_cast<double>(points_.front().number);
    const double last = points_.empty() ? 10 : static_cast<double>(points_.back().number);
    const Ticks numbers = first == last ? roundTicks(first - 1, last + 1, kMostGameSteps, 1)
                                        : roundTicks(first, last, kMostGameSteps, 1);
    accuracy_.xLabels = showTicks(*accuracy_.numbers, numbers);
    showTicks(*speed_.numbers, numbers);

    // The figures of both panes take the same width, so a game sits at the same x in both.
    const QFontMetrics metrics(ui::toQFont(ui::kWindowFont));
    int widest = 0;
    for (const Pane* pane : {&speed_, &accuracy_}) {
        for (const AxisLabel& label : pane->figureLabels) {
            widest = std::max(widest, metrics.horizontalAdvance(label.text));
        }
    }
    // Room at the right for half a date or number at the very end, below for a row of them.
    const QMargins margins(widest + kLabelGap + 3, 2,
                           metrics.horizontalAdvance(QStringLiteral("28-12")) / 2 + 2,
                           metrics.height() + kLabelGap);
    speed_.chart->setMargins(margins);
    accuracy_.chart->setMargins(margins);
    markDays();
    showLabels(accuracy_);
}

void ProgressChart::markDays() {
    // A date takes its own width and a gap; until the chart has been laid out, the plot area
    // is the view less the margins.
    const QFontMetrics metrics(ui::toQFont(ui::kWindowFont));
    const double from = speed_.numbers->min();
    const double to = speed_.numbers->max();
    const QMargins margins = speed_.chart->margins();
    const double plotWidth = speed_.chart->plotArea().width() > 0
                                 ? speed_.chart->plotArea().width()
                                 : std::max(1, width() - margins.left() - margins.right());
    const double dateWidth =
        (metrics.horizontalAdvance(QStringLiteral("28-12")) + metrics.averageCharWidth() * 2) *
        (to - from) / plotWidth;

    for (const Pane* pane : {&speed_, &accuracy_}) {
        clear(*pane->days);
        pane->days->setRange(from, to);
        pane->days->setStartValue(from);
    }
    speed_.xLabels.clear();
    std::set<QString> shown;
    double previous = from - dateWidth;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const QDate before = QDateTime::fromMSecsSinceEpoch(points_[i - 1].started).date();
        const QDate day = QDateTime::fromMSecsSinceEpoch(points_[i].started).date();
        const double at =
            (static_cast<double>(points_[i - 1].number) + static_cast<double>(points_[i].number)) /
            2;
        // Dates stay clear of each other and of the figures at the left; the panes keep room
        // at the right for half a date.
        if (day == before || at - previous < dateWidth || at - from < dateWidth / 2) {
            continue;
        }
        QString date = day.toString(QStringLiteral("d-M"));
        if (shown.count(date) != 0) {
            date = day.toString(QStringLiteral("d-M-yy"));
        }
        if (!shown.insert(date).second) {
            continue;
        }
        for (const Pane* pane : {&speed_, &accuracy_}) {
            pane->days->append(date, at);
        }
        speed_.xLabels.push_back({at, date});
        previous = at;
    }
    // Without a single line, the axis would leave a dot in the corner.
    for (const Pane* pane : {&speed_, &accuracy_}) {
        pane->days->setGridLineVisible(!speed_.xLabels.empty());
    }
    showLabels(speed_);
}

void ProgressChart::showLabels(Pane& pane) {
    for (QGraphicsSimpleTextItem* item : pane.labelItems) {
        delete item;
    }
    pane.labelItems.clear();
    const QFont font = ui::toQFont(ui::kWindowFont);
    for (const auto* labels : {&pane.figureLabels, &pane.xLabels}) {
        for (const AxisLabel& label : *labels) {
            auto* item = new QGraphicsSimpleTextItem(label.text, pane.chart);
            item->setFont(font);
            item->setBrush(kText);
            item->setZValue(10);
            pane.labelItems.push_back(item);
        }
    }
    placeLabels(pane);
}

void ProgressChart::placeLabels(Pane& pane) {
    const QRectF plot = pane.chart->plotArea();
    if (plot.isEmpty()) {
        return;
    }
    const auto along = [](const QValueAxis& axis, double value) {
        return (value - axis.min()) / (axis.max() - axis.min());
    };
    std::size_t i = 0;
    for (const AxisLabel& label : pane.figureLabels) {
        QGraphicsSimpleTextItem& item = *pane.labelItems[i++];
        const QRectF box = item.boundingRect();
        item.setPos(
            plot.left() - kLabelGap - box.width(),
            plot.bottom() - along(*pane.figures, label.value) * plot.height() - box.height() / 2);
    }
    for (const AxisLabel& label : pane.xLabels) {
        QGraphicsSimpleTextItem& item = *pane.labelItems[i++];
        const QRectF box = item.boundingRect();
        item.setPos(
            plot.left() + along(*pane.numbers, label.value) * plot.width() - box.width() / 2,
            plot.bottom() + kLabelGap);
    }
}

void ProgressChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    speed_.view->setGeometry(0, 0, width(), upper);
    accuracy_.view->setGeometry(0, upper, width(), height() - upper);
    markDays();
}

QString ProgressChart::describe(std::size_t index) const {
    if (index >= points_.size()) {
        return {};
    }
    const Summary::Point& point = points_[index];
    const QLocale locale = dutch();
    const QString when =
        QDateTime::fromMSecsSinceEpoch(point.started).toString(QStringLiteral("d-M-yyyy HH:mm"));
    const QString speed = locale.toString(point.wordsPerMinute, 'f', 1);
    const QString accuracy = locale.toString(point.accuracy, 'f', 1);
    if (point.games > 1) {
        return base::toQString(stats_texts::kGamesTip)
            .arg(point.number - point.games + 1)
            .arg(point.number)
            .arg(when, speed, accuracy);
    }
    return base::toQString(stats_texts::kGameTip).arg(point.number).arg(when, speed, accuracy);
}

void ProgressChart::hover(const QPointF& point, bool entered) {
    if (!entered || points_.empty()) {
        setToolTip(QString());
        QToolTip::hideText();
        return;
    }
    // The game nearest along the x axis: the points are in the order of their numbers.
    const auto after = std::lower_bound(
        points_.begin(), points_.end(), point.x(),
        [](const Summary::Point& p, double x) { return static_cast<double>(p.number) < x; });
    auto nearest = after == points_.end() ? after - 1 : after;
    if (after != points_.begin() && after != points_.end() &&
        point.x() - static_cast<double>((after - 1)->number) <
            static_cast<double>(after->number) - point.x()) {
        nearest = after - 1;
    }
    const QString text = describe(static_cast<std::size_t>(nearest - points_.begin()));
    setToolTip(text);
    QToolTip::showText(QCursor::pos(), text, this);
}

}  // namespace stats
