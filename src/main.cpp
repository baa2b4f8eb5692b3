// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"
#include "ui/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::Application toolkit;
    Form1 form(toolkit.context());
    return toolkit.run(form);
}
