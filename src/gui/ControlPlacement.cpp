#include "ControlPlacement.h"

#include "ClickablePicture.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>

namespace quandrel {

void placeControl(QWidget& widget, const ControlLayout& control)
{
    widget.setObjectName(QString::fromStdString(controlName(control)));
    if (control.kind == ControlKind::Picture) {
        widget.move(twipsPoint(control.rect));
    } else {
        widget.setGeometry(twipsRect(control.rect));
    }
}

void placeFrame(QGroupBox& frame, const ControlLayout& control)
{
    placeControl(frame, control);
    frame.setTitle(layoutText(control.caption));
}

void placeLabel(QLabel& label, const ControlLayout& control)
{
    placeControl(label, control);
    if (!control.caption.empty()) {
        label.setText(layoutText(control.caption));
    }
    if (control.border) {
        label.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    label.setAlignment(layoutAlignment(control));
    label.setWordWrap(control.wordWrap);
}

ClickablePicture* createPicture(const ControlLayout& control, QWidget* parent)
{
    auto* picture = new ClickablePicture(layoutText(control.picture), parent);
    placeControl(*picture, control);
    return picture;
}

QString layoutText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment layoutAlignment(const ControlLayout& control)
{
    return control.alignment == TextAlignment::Centre ? Qt::Alignment(Qt::AlignCenter) : Qt::AlignLeft | Qt::AlignTop;
}

} // namespace quandrel
