#include "EditorWindowTest.h"

#include "codec/Password.h"
#include "gui/SlotPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace quandrel {

// The "Savegame" and "Loadgame" buttons over real files in the window's scratch slot folder.
class SlotPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void saveThenLoadEverySlot();
    void tooltipsNameTheSlotFiles();
    void failuresAreShownAndLoseNothing_data();
    void failuresAreShownAndLoseNothing();

private:
    void press(const char* buttons, int index) { clickOn(control<QPushButton>(indexed(buttons, index))); }
    QByteArray slotBytes(int slot) const;
    QMessageBox* errorBox() const;
    QDir directory() const { return QDir(slotFolder().path()); }
};

void SlotPanelTest::tooltipsNameTheSlotFiles()
{
    // The full path of each slot file in the window's slot folder.
    const auto* load = control<QPushButton>(indexed("Command3", 0));
    QVERIFY(load);
    QCOMPARE(toolTipWords(load),
             QStringLiteral("Load the password saved in %1. Missing slot files are first created holding a "
                            "new game, so a slot never saved loads a new game.")
                 .arg(directory().filePath(QStringLiteral("sgame01.txt"))));
    const auto* save = control<QPushButton>(indexed("Command2", 4));
    QVERIFY(save);
    QCOMPARE(toolTipWords(save), QStringLiteral("Save the password to %1, replacing what the slot held.")
                                     .arg(directory().filePath(QStringLiteral("sgame05.txt"))));
}

QByteArray SlotPanelTest::slotBytes(int slot) const
{
    QFile file(directory().filePath(QStringLiteral("sgame0%1.txt").arg(slot)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMessageBox* SlotPanelTest::errorBox() const { return window().findChild<QMessageBox*>(QStringLiteral("slotError")); }

void SlotPanelTest::saveThenLoadEverySlot()
{
    for (int slot = 0; slot < 5; ++slot) {
        clickOn(control(indexed("Image4", slot)));
        press("Command2", slot);
        const QString saved = wholePassword();
        QCOMPARE(slotBytes(slot + 1), saved.toLatin1() + "\r\n");
    }
    clickOn(control(QStringLiteral("Image8"))); // marks all; a load clears the switch
    for (int slot = 0; slot < 5; ++slot) {
        press("Command3", slot);
        GameState expected;
        for (int object = 0; object <= slot; ++object) {
            expected.objects[static_cast<std::size_t>(object)] = true;
        }
        QCOMPARE(shownPassword(), passwordOf(expected));
        QVERIFY(!window().model().controls().selectAllBorder);
    }
    QVERIFY(errorBox() == nullptr);
}

void SlotPanelTest::failuresAreShownAndLoseNothing_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("isDirectory");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty slot") << QByteArray() << false << QStringLiteral("could not load: the file is empty");
    QTest::newRow("bad symbol") << QByteArray("UR3QUZ\r\n") << false
                                << QStringLiteral(
                                       "holds no valid password: character 6 is 'Z', which no password has there");
    QTest::newRow("a directory") << QByteArray() << true << QStringLiteral("it is a directory, not a file");
}

void SlotPanelTest::failuresAreShownAndLoseNothing()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, isDirectory);
    QFETCH(QString, message);

    const QString name = QStringLiteral("sgame04.txt");
    directory().remove(name);
    directory().rmdir(name);
    if (isDirectory) {
        QVERIFY(directory().mkdir(name));
    } else {
        QFile file(directory().filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    clickOn(control(indexed("Label3", 2)));
    const QString before = shownPassword();

    press("Command3", 3);
    QMessageBox* box = errorBox();
    QVERIFY(box != nullptr);
    QVERIFY2(box->text().contains(QStringLiteral("Slot 4 (")) && box->text().contains(message),
             qPrintable(box->text()));
    // The folder's name is shown as it is, never read as markup.
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(shownPassword(), before);
    box->close();

    if (isDirectory) {
        press("Command2", 3); // a save cannot replace a directory either, and says so
        QVERIFY(errorBox() != nullptr);
        QVERIFY(QFileInfo(directory().filePath(name)).isDir());
    }
}

} // namespace quandrel

QTEST_MAIN(quandrel::SlotPanelTest)
#include "SlotPanelTest.moc"
