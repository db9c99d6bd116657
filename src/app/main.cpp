#include "shell/main_window.h"
#include "shell/qt_dialogs.h"
#include "shell/session.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    QtDialogs dialogs;
    // The application folder is the working directory: every path is relative to it.
    Session session(QDir::currentPath(), dialogs);
    if (!openPayrollPeriod(session))
        return 1;

    ModuleRegistry modules;
    MainWindow window(session, modules);
    window.show();
    return app.exec();
}
