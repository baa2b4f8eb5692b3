// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qtdialogs.h"

#include "base/text.h"
#include "version.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

QString titleOrApplication(std::string_view title) {
    return title.empty() ? QString::fromLatin1(kProductName) : base::toQString(title);
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case base::kCritical:
            return QMessageBox::Critical;
        case base::kExclamation:
            return QMessageBox::Warning;
        case base::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtDialogs::msgBox(std::string_view prompt, int style, std::string_view title) {
    QMessageBox box(iconOf(style), titleOrApplication(title), base::toDisplayLines(prompt));
    box.setTextFormat(Qt::PlainText);
    if ((style & 0x7) == base::kYesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
        box.setDefaultButton((style & base::kDefaultButton2) != 0 ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? base::kYes : base::kNo;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return base::kOk;
}

base::InputAnswer QtDialogs::inputBox(std::string_view prompt, std::string_view title,
                                      std::string_view defaultText) {
    QInputDialog dialog;
    dialog.setWindowTitle(titleOrApplication(title));
    dialog.setLabelText(base::toDisplayLines(prompt));
    dialog.setTextValue(base::toQString(defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuleren"));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QString typed = dialog.textValue();
    if (const auto bytes = base::fromQString(typed)) {
        return {*bytes, true};
    }
    return {base::toBytesLossy(typed), false};
}

}  // namespace ui
