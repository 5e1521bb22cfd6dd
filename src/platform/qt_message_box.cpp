#include "platform/qt_message_box.h"

#include <QMessageBox>

MessageBox::Answer QtMessageBox::show(const std::string& text, const std::string& title,
                                      Buttons buttons) {
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (buttons == Buttons::Ok) {
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
