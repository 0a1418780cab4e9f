#pragma once

#include <QObject>

class QWidget;

namespace quandrel {

class EditorModel;

// Tooltips and accessible names for every control of the client area, so that both a pointer
// and a screen reader learn what each control shows or does. The names that carry a control's
// state follow the model. The password groups' tooltips explain their characters and come from
// the password panel.
class ControlDescriptions final : public QObject {
    Q_OBJECT

public:
    ControlDescriptions(EditorModel& model, QWidget* clientArea);

private:
    void describeControls();
    void connectSignals();
    void refresh();

    void describeCounters();
    void describeWarriors();
    void describeVitality();
    void describeVersion();
    void describeObjects();
    void describeWorlds();
    void describeBookkeeping();

    void describe(const QString& name, const QString& accessibleName, const QString& toolTip = {});
    void setAccessibleNameOf(const QString& name, const QString& accessibleName);

    EditorModel& m_model;
    QWidget* m_clientArea;
};

} // namespace quandrel
