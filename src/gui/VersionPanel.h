#pragma once

#include <QGroupBox>

namespace quandrel {

// The program's name and version.
class VersionPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit VersionPanel(QWidget* parent);

private:
    void createLayout();
};

} // namespace quandrel
