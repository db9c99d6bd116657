#include "qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

void QtDialogs::message(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setAccessibleName(title);
    box.exec();
}

bool QtDialogs::askYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setAccessibleName(title);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
