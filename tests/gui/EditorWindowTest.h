#pragma once

#include "codec/GameState.h"
#include "editor/EditorControls.h"
#include "gui/MainWindow.h"
#include "support/TemporaryDirectory.h"

#include <QObject>
#include <QWidget>

#include <memory>

namespace quandrel {

// A fresh editor window, shown, for every test function of a suite.
class EditorWindowTest : public QObject {
    Q_OBJECT

protected:
    MainWindow& window() const { return *m_window; }
    // The window's slot folder, fresh and empty for each test function.
    const test::TemporaryDirectory& slotFolder() const { return *m_slotFolder; }

    template <typename T = QWidget> T* control(const QString& name) const { return m_window->findChild<T*>(name); }

    // Clicks the middle of a place of the window, in window coordinates, so that the click goes
    // to whatever widget the user would hit there.
    void clickAt(QPoint place);
    void clickOn(const QWidget* target);
    // Types keys into counter box Text1(box), as a user does once the box has the focus.
    void typeIntoCounter(int box, const QString& keys);

    // The object name of one control of an array, as in "Text1(0)".
    static QString indexed(const char* array, int index);

    // The twelve password labels joined.
    QString shownPassword() const;
    // From the model: the whole password, the keys typed into the counter boxes (Latin-1, as
    // key codes are single bytes) and the text of a section slot.
    QString wholePassword() const;
    QString keyBuffer() const;
    QString sectionSlot(SectionSlot slot) const;
    static QString passwordOf(const GameState& state);
    // The words of a widget's tooltip, as the user reads them: without the markup.
    static QString toolTipWords(const QWidget* widget);

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<test::TemporaryDirectory> m_slotFolder;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace quandrel
