#include "RunEditor.h"

#include "DisplayConnectionWatch.h"
#include "Version.h"
#include "codec/PrintableText.h"
#include "gui/EditorOptions.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <optional>

namespace quandrel {

namespace {

void describeProgram(QCommandLineParser& parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("quandrel"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Composes and decodes the passwords of the game Quandrel."));
    parser.addHelpOption();
    parser.addVersionOption();
    addEditorOptions(parser);
}

// Whether the command line asks only for text on the terminal, which needs no display.
bool asksForTextOnly(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

// A message for the terminal, with the bytes of user-derived text that could steer it escaped.
void printError(const QString& message)
{
    std::fprintf(stderr, "quandrel: %s\n", printableText(message.toStdString()).c_str());
}

} // namespace

int runEditor(int argc, char* argv[])
{
    if (asksForTextOnly(argc, argv)) {
        // Answered before any display is opened, so it works over ssh and in scripts too.
        QCoreApplication terminal(argc, argv);
        QCommandLineParser parser;
        describeProgram(parser);
        parser.process(terminal); // prints and exits
        return 0;
    }

    std::optional<QApplication> started;
    {
        const DisplayConnectionWatch watch;
        started.emplace(argc, argv);
    }
    QApplication& application = *started;
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(QUANDREL_APP_ID));

    QCommandLineParser parser;
    describeProgram(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        // Said here rather than by process(), which prints the option as it was typed.
        printError(parser.errorText());
        return 1;
    }
    parser.process(application);

    const SlotFolderChoice choice = chooseSlotFolder(parser);
    if (!choice.error.isEmpty()) {
        printError(choice.error);
        if (choice.fromMenu) {
            // Started from the menu, there is no terminal to read it. The path is shown as it is.
            QMessageBox box(QMessageBox::Critical, QApplication::translate("main", "Quandrel Password Generator"),
                            choice.error);
            box.setTextFormat(Qt::PlainText);
            box.exec();
        }
        return 2;
    }
    MainWindow window(choice.folder);
    if (keyboardAccessForThisRun(parser)) {
        window.turnOnKeyboardAccessForThisRun();
    }
    window.show();
    return application.exec();
}

} // namespace quandrel
