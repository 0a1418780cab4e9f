#include "RunEditor.h"

#include "Version.h"
#include "gui/EditorOptions.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>

namespace quandrel {

int runEditor(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quandrel"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(QUANDREL_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Composes and decodes the passwords of the game Quandrel."));
    parser.addHelpOption();
    parser.addVersionOption();
    addEditorOptions(parser);
    parser.process(application);

    const SlotFolderChoice choice = chooseSlotFolder(parser);
    if (!choice.error.isEmpty()) {
        std::fprintf(stderr, "quandrel: %s\n", qPrintable(choice.error));
        if (choice.fromMenu) {
            // Started from the menu, there is no terminal to read it.
            QMessageBox::critical(nullptr, QApplication::translate("main", "Quandrel Password Generator"),
                                  choice.error);
        }
        return 2;
    }
    MainWindow window(choice.folder);
    window.show();
    return application.exec();
}

} // namespace quandrel
