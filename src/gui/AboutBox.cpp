#include "AboutBox.h"

#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

namespace quandrel {

QString aboutText(const QString& slotFolder)
{
    return QCoreApplication::translate(
               "AboutBox", "<p><b>Quandrel Password Generator %1</b></p>"
                           "<p>Composes and decodes the passwords of the game Quandrel.</p>"
                           "<p>The save slots sgame01.txt to sgame05.txt are kept in<br>%2</p>"
                           "<p>Free software under the MIT License. The manual page quandrel(1) describes the window, "
                           "its keys and its options; quandrel-pass(1) the command line.</p>")
        .arg(QString::fromLatin1(kVersion), QDir::toNativeSeparators(slotFolder).toHtmlEscaped());
}

void showAbout(QWidget* window, const QString& slotFolder)
{
    // Window-modal but not blocking, as the window's other notes.
    auto* box = new QMessageBox(QMessageBox::NoIcon,
                                QCoreApplication::translate("AboutBox", "About Quandrel Password Generator"),
                                aboutText(slotFolder), QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setIconPixmap(window->windowIcon().pixmap(64, 64));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace quandrel
