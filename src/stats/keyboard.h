// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/store.h"

#include <QWidget>

#include <map>
#include <vector>

namespace stats {

// The key of a QWERTY keyboard that types a character: capitals and accented letters on
// their letter's key, shifted signs on the key that carries them. A null character when
// no key of the picture types it.
QChar keyOf(QChar character);

// A picture of a QWERTY keyboard, each key coloured by how often it was typed wrong when
// it was due: green for seldom, red for one time in five or more, grey until it was due
// often enough to tell.
class KeyboardView : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardView(QWidget* parent);

    void setKeys(const std::vector<Summary::Key>& keys);
    // Errors per attempt of a key of the picture; negative until it was due
    // kColourAttempts times.
    double errorRate(QChar key) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    std::map<char16_t, KeyTally> tallies_;
};

}  // namespace stats
