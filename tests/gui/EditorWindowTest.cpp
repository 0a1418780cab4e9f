#include "EditorWindowTest.h"

#include "codec/Password.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextDocumentFragment>

namespace quandrel {

void EditorWindowTest::init()
{
    m_slotFolder = std::make_unique<test::TemporaryDirectory>();
    m_window = std::make_unique<MainWindow>(m_slotFolder->path());
    m_window->show();
    QTRY_VERIFY(m_window->windowHandle()->isExposed());
}

void EditorWindowTest::cleanup()
{
    m_window.reset();
    m_slotFolder.reset();
}

void EditorWindowTest::clickAt(QPoint place) { QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, place); }

void EditorWindowTest::clickOn(const QWidget* target)
{
    QVERIFY(target);
    clickAt(target->mapTo(m_window.get(), target->rect().center()));
}

void EditorWindowTest::typeIntoCounter(int box, const QString& keys)
{
    auto* counter = control<QLineEdit>(indexed("Text1", box));
    QVERIFY(counter);
    QTest::keyClicks(counter, keys);
}

QString EditorWindowTest::indexed(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QString EditorWindowTest::shownPassword() const
{
    QString password;
    for (int g = 0; g < 12; ++g) {
        const auto* group = control<QLabel>(indexed("Label6", g));
        password += group ? group->text() : QStringLiteral("<missing>");
    }
    return password;
}

QString EditorWindowTest::wholePassword() const
{
    return QString::fromStdString(m_window->model().controls().password);
}

QString EditorWindowTest::keyBuffer() const { return QString::fromLatin1(m_window->model().controls().keyBuffer); }

QString EditorWindowTest::sectionSlot(SectionSlot slot) const
{
    return QString::fromStdString(m_window->model().controls().section(slot));
}

QString EditorWindowTest::passwordOf(const GameState& state) { return QString::fromStdString(encodePassword(state)); }

QString EditorWindowTest::toolTipWords(const QWidget* widget)
{
    const QString tip = widget->toolTip();
    return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

} // namespace quandrel
