#include "EditorWindowTest.h"

#include "codec/Password.h"
#include "gui/SlotPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace quandrel {

// The "Savegame" and "Loadgame" buttons over real files in a scratch working directory.
class SlotPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void saveThenLoadEverySlot();
    void tooltipsNameTheSlotFiles();
    void failuresAreShownAndLoseNothing_data();
    void failuresAreShownAndLoseNothing();

private:
    void press(const char* buttons, int index) { clickOn(control<QPushButton>(indexed(buttons, index))); }
    QByteArray slotBytes(int slot) const;
    QMessageBox* errorBox() const;

    QTemporaryDir m_directory;
    QString m_previousDirectory;
};

void SlotPanelTest::initTestCase()
{
    QVERIFY(m_directory.isValid());
    m_previousDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_directory.path()));
}

void SlotPanelTest::cleanupTestCase() { QDir::setCurrent(m_previousDirectory); }

void SlotPanelTest::tooltipsNameTheSlotFiles()
{
    // The window keeps its slots in the working directory; a panel given a folder names that one.
    const auto* load = control<QPushButton>(indexed("Command3", 0));
    QVERIFY(load);
    QCOMPARE(load->toolTip(),
             QStringLiteral("Load the password saved in %1").arg(m_directory.filePath(QStringLiteral("sgame01.txt"))));

    const SlotPanel panel(std::filesystem::path("/srv/slots"), nullptr);
    const auto* save = panel.findChild<QPushButton*>(indexed("Command2", 4));
    QVERIFY(save);
    QCOMPARE(save->toolTip(), QStringLiteral("Save the password to /srv/slots/sgame05.txt"));
}

QByteArray SlotPanelTest::slotBytes(int slot) const
{
    QFile file(m_directory.filePath(QStringLiteral("sgame0%1.txt").arg(slot)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMessageBox* SlotPanelTest::errorBox() const { return window().findChild<QMessageBox*>(QStringLiteral("slotError")); }

void SlotPanelTest::saveThenLoadEverySlot()
{
    for (int slot = 0; slot < 5; ++slot) {
        clickOn(control(indexed("Image4", slot)));
        press("Command2", slot);
        const QString saved = control<QLabel>(QStringLiteral("Label5"))->text();
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
    QTest::addColumn<bool>("directory");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty slot") << QByteArray() << false << QStringLiteral("could not load: the file is empty");
    QTest::newRow("bad symbol") << QByteArray("UR3QUZ\r\n") << false
                                << QStringLiteral("holds no valid password: position 6: 'Z'");
    QTest::newRow("a directory") << QByteArray() << true << QStringLiteral("it is a directory, not a file");
}

void SlotPanelTest::failuresAreShownAndLoseNothing()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, directory);
    QFETCH(QString, message);

    const QString name = QStringLiteral("sgame04.txt");
    QDir(m_directory.path()).remove(name);
    QDir(m_directory.path()).rmdir(name);
    if (directory) {
        QVERIFY(QDir(m_directory.path()).mkdir(name));
    } else {
        QFile file(m_directory.filePath(name));
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
    QCOMPARE(shownPassword(), before);
    box->close();

    if (directory) {
        press("Command2", 3); // a save cannot replace a directory either, and says so
        QVERIFY(errorBox() != nullptr);
        QVERIFY(QFileInfo(m_directory.filePath(name)).isDir());
    }
}

} // namespace quandrel

QTEST_MAIN(quandrel::SlotPanelTest)
#include "SlotPanelTest.moc"
