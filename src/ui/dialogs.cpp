#include "ui/dialogs.h"

#include "ui/text.h"
#include "version.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

QString titleOrApplication(std::string_view title) {
    return title.empty() ? QString::fromLatin1(kProductName) : toQString(title);
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case kCritical:
            return QMessageBox::Critical;
        case kExclamation:
            return QMessageBox::Warning;
        case kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtDialogs::msgBox(std::string_view prompt, int style, std::string_view title) {
    QMessageBox box(iconOf(style), titleOrApplication(title), toDisplayLines(prompt));
    box.setTextFormat(Qt::PlainText);
    if ((style & 0x7) == kYesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
        box.setDefaultButton((style & kDefaultButton2) != 0 ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? kYes : kNo;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return kOk;
}

InputAnswer QtDialogs::inputBox(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
    QInputDialog dialog;
    dialog.setWindowTitle(titleOrApplication(title));
    dialog.setLabelText(toDisplayLines(prompt));
    dialog.setTextValue(toQString(defaultText));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuleren"));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QString typed = dialog.textValue();
    if (const auto bytes = fromQString(typed)) {
        return {*bytes, true};
    }
    return {toBytesLossy(typed), false};
}

}  // namespace ui
