#include "WindowCommandTest.h"
#include "support/PasswordEdits.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>

namespace quandrel {

// Run on a screen scaled up until it is 400 logical pixels tall, as a 1280x800 screen is at a
// scale of 2: the entry dialog with its longest notes and its corrections stays on the screen.
class EntryDialogFitTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void staysOnAShortScreen();
};

void EntryDialogFitTest::staysOnAShortScreen()
{
    QVERIFY2(window().screen()->availableGeometry().height() <= 400,
             "run with QT_SCALE_FACTOR so that the screen is short");
    chooseFromMenu(action("enterPasswordAction"));
    auto* dialog = openWindow<QDialog>(QStringLiteral("passwordEntry"));
    QVERIFY(dialog);
    // Two characters not valid at their places: long wrapped notes and a list of corrections.
    QString typed = QString::fromStdString(test::kInitialPassword);
    typed[1] = QLatin1Char('Z');
    typed[13] = QLatin1Char('Z');
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("passwordInput")), typed);

    const QRect screen = dialog->screen()->availableGeometry();
    QVERIFY2(screen.contains(dialog->frameGeometry()), qPrintable(QStringLiteral("dialog %1x%2 at %3,%4 on %5x%6")
                                                                      .arg(dialog->frameGeometry().width())
                                                                      .arg(dialog->frameGeometry().height())
                                                                      .arg(dialog->frameGeometry().x())
                                                                      .arg(dialog->frameGeometry().y())
                                                                      .arg(screen.width())
                                                                      .arg(screen.height())));
    auto* corrections = dialog->findChild<QListWidget*>(QStringLiteral("corrections"));
    QVERIFY(corrections->isVisible());
    // At least one whole correction shows; the others are a scroll away.
    QVERIFY(corrections->height() >= corrections->fontMetrics().lineSpacing() * 3);
    QVERIFY(dialog->rect().contains(corrections->geometry()));
}

} // namespace quandrel

QTEST_MAIN(quandrel::EntryDialogFitTest)
#include "EntryDialogFitTest.moc"
