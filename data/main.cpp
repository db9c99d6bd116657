// quorix-data: writes the data delivered with Quorix, or a ready demo folder.
//   quorix-data DIR          DIR/fref.db and the empty year DIR/modele/{dataP,mois}
//   quorix-data --demo DIR   a demo company for the current month, ready to open
#include "datafile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QString error;
    bool ok = false;
    if (args.size() == 1 && !args[0].startsWith(u'-')) {
        QDir().mkpath(args[0]);
        ok = datagen::writeTemplate(args[0], &error);
    } else if (args.size() == 2 && args[0] == u"--demo") {
        QDir().mkpath(args[1]);
        ok = datagen::writeTemplate(args[1], &error)
             && datagen::writeDemo(args[1], QDate::currentDate(), &error);
    } else {
        std::fprintf(stderr, "usage: quorix-data DIR | quorix-data --demo DIR\n");
        return 2;
    }
    if (!ok) {
        std::fprintf(stderr, "quorix-data: %s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}
