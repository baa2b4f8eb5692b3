// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/progresschart.h"

#include <QDateTime>
#include <QLineSeries>
#include <QtTest>

#include <cmath>

namespace {

qint64 at(int day, int hour, int minute = 0) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute)).toMSecsSinceEpoch();
}

// Labels at their values, read back as a Dutch reader would.
void expectRoundLabels(const std::vector<stats::ProgressChart::AxisLabel>& labels, double lowest,
                       double highest) {
    QVERIFY(labels.size() >= 3 && labels.size() <= 7);
    const QLocale dutch(QLocale::Dutch);
    const double step = labels[1].value - labels[0].value;
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double factor = std::round(step / power * 1000) / 1000;
    QVERIFY2(factor == 1 || factor == 2 || factor == 5, qPrintable(labels[1].text));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        bool number = false;
        QCOMPARE(dutch.toDouble(labels[i].text, &number), labels[i].value);
        QVERIFY(number);
        QVERIFY(std::abs(labels[i].value - (labels[0].value + i * step)) < step * 1e-6);
    }
    QVERIFY(labels.front().value <= lowest);
    QVERIFY(labels.back().value >= highest);
}

}  // namespace

class ProgressChartTest : public QObject {
    Q_OBJECT
private slots:
    void gamesInOrderWithTheirAverage();
    void roundLabels_data();
    void roundLabels();
    void datesWhereTheDayChanges();
    void hoveringTellsTheGame();
};

void ProgressChartTest::gamesInOrderWithTheirAverage() {
    // Single games first, then runs of three averaged into one point.
    std::vector<stats::Summary::Point> points;
    std::vector<double> games;  // every game's figure, a run's for each of its games
    for (int i = 0; i < 14; ++i) {
        const int run = i < 6 ? 1 : 3;
        const double speed = 20 + (i * 7) % 11;
        const qint64 number = points.empty() ? 1 : points.back().number + run;
        points.push_back({number, at(8, 9, i), speed, 90.0 + i % 4, run});
        games.insert(games.end(), run, speed);
    }
    stats::ProgressChart chart(nullptr);
    chart.setProgress(points);

    QCOMPARE(chart.wordsPerMinute().count(), 14);
    for (int i = 0; i < 14; ++i) {
        QCOMPARE(chart.wordsPerMinute().at(i).x(), static_cast<double>(points[i].number));
        QCOMPARE(chart.accuracy().at(i).x(), static_cast<double>(points[i].number));
    }
    for (const int i : {0, 4, 8, 13}) {
        const auto end = static_cast<std::ptrdiff_t>(points[i].number);
        const auto begin = std::max<std::ptrdiff_t>(0, end - 10);
        const double mean =
            std::accumulate(games.begin() + begin, games.begin() + end, 0.0) / (end - begin);
        QVERIFY(qFuzzyCompare(chart.averageWordsPerMinute().at(i).y(), mean));
    }
}

void ProgressChartTest::roundLabels_data() {
    QTest::addColumn<double>("fastest");
    QTest::addColumn<double>("leastAccurate");
    QTest::newRow("0-10") << 10.0 << 97.5;
    QTest::newRow("0-37") << 37.0 << 62.0;
    QTest::newRow("0-1,3") << 1.3 << 99.0;
}

void ProgressChartTest::roundLabels() {
    QFETCH(double, fastest);
    QFETCH(double, leastAccurate);
    stats::ProgressChart chart(nullptr);
    chart.setProgress({{1, at(8, 9), 0, 100, 1},
                       {2, at(8, 10), fastest, leastAccurate, 1},
                       {37, at(8, 11), fastest / 2, 100, 1}});
    expectRoundLabels(chart.wordsPerMinuteLabels(), 0, fastest);
    expectRoundLabels(chart.accuracyLabels(), leastAccurate, 100);
    expectRoundLabels(chart.gameLabels(), 1, 37);
}

void ProgressChartTest::datesWhereTheDayChanges() {
    stats::ProgressChart chart(nullptr);
    chart.resize(394, 241);
    std::vector<stats::Summary::Point> points;
    for (int i = 1; i <= 20; ++i) {
        points.push_back({i, at(8, 23, 40 + i), 30, 95, 1});
    }
    chart.setProgress(points);
    QVERIFY(chart.dayLabels().empty());

    // Games 1 to 19 before midnight, game 20 just after it.
    points.back().started = at(9, 0, 1);
    chart.setProgress(points);
    QCOMPARE(chart.dayLabels().size(), 1u);
    QCOMPARE(chart.dayLabels()[0].text, QStringLiteral("9-12"));
    QVERIFY(chart.dayLabels()[0].value > 19 && chart.dayLabels()[0].value < 20);
}

void ProgressChartTest::hoveringTellsTheGame() {
    stats::ProgressChart chart(nullptr);
    chart.setProgress({{11, at(7, 20), 30, 90, 1},
                       {12, at(8, 14, 5), 34.5, 96.2, 1},
                       {52, at(9, 14, 5), 40.04, 97.96, 40}});
    emit chart.wordsPerMinute().hovered(QPointF(12.4, 30), true);
    QCOMPARE(chart.toolTip(),
             QStringLiteral("Spel 12 (8-12-2026 14:05): 34,5 woorden per minuut, 96,2% "
                            "nauwkeurig"));
    emit chart.averageAccuracy().hovered(QPointF(40, 97), true);
    QCOMPARE(chart.toolTip(), QStringLiteral("Spellen 13\u201352 (tot 9-12-2026 14:05): gemiddeld "
                                             "40,0 woorden per minuut, 98,0% nauwkeurig"));
    emit chart.averageAccuracy().hovered(QPointF(40, 97), false);
    QVERIFY(chart.toolTip().isEmpty());
}

QTEST_MAIN(ProgressChartTest)
#include "tst_progresschart.moc"
