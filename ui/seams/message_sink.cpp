#include "ui/seams/message_sink.h"

#include <QMessageBox>

namespace quorvane {

void BoxMessageSink::show(const QString& text, MessageIcon icon, QWidget* parent) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace quorvane
