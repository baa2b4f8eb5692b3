// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"
#include "stats/typingstatistics.h"
#include "ui/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::Application toolkit;
    stats::TypingStatistics statistics(toolkit.context().programFile("statistieken.sqlite"));
    toolkit.context().statistics = &statistics;
    Form1 form(toolkit.context());
    return toolkit.run(form);
}
