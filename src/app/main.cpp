#include "gui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The slot files belong in the working directory.
    quandrel::MainWindow window(".");
    window.show();
    return application.exec();
}
