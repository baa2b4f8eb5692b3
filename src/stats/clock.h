// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QElapsedTimer>

namespace stats {

// The times the statistics take: a steady clock for durations and the wall clock for
// when a game started. Tests set them by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 steadyMs() = 0;
    virtual qint64 wallMs() = 0;
};

class SystemClock : public Clock {
public:
    SystemClock() { steady_.start(); }
    qint64 steadyMs() override { return steady_.elapsed(); }
    qint64 wallMs() override { return QDateTime::currentMSecsSinceEpoch(); }

private:
    QElapsedTimer steady_;
};

}  // namespace stats
