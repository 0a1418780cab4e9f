#include "EditorWindowTest.h"

#include "codec/Password.h"

#include <QLabel>
#include <QTest>

namespace quandrel {

void EditorWindowTest::init()
{
    m_window = std::make_unique<MainWindow>(".");
    m_window->show();
    QTRY_VERIFY(m_window->windowHandle()->isExposed());
}

void EditorWindowTest::cleanup() { m_window.reset(); }

void EditorWindowTest::clickAt(QPoint place) { QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, place); }

void EditorWindowTest::clickOn(const QWidget* target)
{
    QVERIFY(target);
    clickAt(target->mapTo(m_window.get(), target->rect().center()));
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

QString EditorWindowTest::passwordOf(const GameState& state) { return QString::fromStdString(encodePassword(state)); }

} // namespace quandrel
