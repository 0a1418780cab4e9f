// Saves the editor window as the screen shows it, to look at it in a light and a dark theme at
// any scale. Run it on a real display or under Xvfb; QT_SCALE_FACTOR scales the window.
//
//   window_screenshot OUTPUT.png [light|dark]
//
// "light" keeps the platform's own style and palette, as the editor starts; "dark" is Fusion
// with a common dark palette.
#include "ThemePalettes.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString theme = arguments.size() == 3 ? arguments[2] : QStringLiteral("light");
    if (arguments.size() < 2 || arguments.size() > 3 ||
        (theme != QStringLiteral("light") && theme != QStringLiteral("dark"))) {
        std::fprintf(stderr, "usage: window_screenshot OUTPUT.png [light|dark]\n");
        return 2;
    }
    if (theme == QStringLiteral("dark")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(quandrel::fusionDarkPalette());
    }

    // The slots of a fresh start, kept out of the working folder.
    const QTemporaryDir slotFolder;
    quandrel::MainWindow window(slotFolder.path().toStdString());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "window_screenshot: the window was never shown\n");
        return 1;
    }
    // Lets every deferred paint reach the screen.
    QTest::qWait(300);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    if (!shot.save(arguments[1])) {
        std::fprintf(stderr, "window_screenshot: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
