#include "app/BoxMessageSink.h"

#include <QApplication>
#include <QMessageBox>

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
