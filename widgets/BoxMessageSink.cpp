#include "widgets/BoxMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
void showBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kApplicationTitle, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}
} // namespace

void BoxMessageSink::showError(const QString& text) {
    showBox(QMessageBox::Critical, text);
}

void BoxMessageSink::showMessage(const QString& text) {
    showBox(QMessageBox::NoIcon, text);
}

MessageSink::SaveAnswer BoxMessageSink::askToSave(const QString& question) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, question, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* save = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}
