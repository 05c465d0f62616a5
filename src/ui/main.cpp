// Entry point of the window program.

#include "ui/windowprogram.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WindowProgram program;
    program.checkComPort();
    return app.exec();
}
