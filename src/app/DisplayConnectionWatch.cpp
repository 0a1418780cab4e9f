#include "DisplayConnectionWatch.h"

#include "codec/PrintableText.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quandrel {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>& heldMessages()
{
    static std::vector<HeldMessage> held;
    return held;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages().push_back({type, QByteArray(context.category), text});
        return;
    }
    // The platform plugin says what failed ("could not connect to display :1"); Qt's own last
    // word only that no plugin could start.
    QString cause = text.section(QLatin1Char('\n'), 0, 0);
    for (const HeldMessage& held : heldMessages()) {
        if (held.category.startsWith("qt.qpa") && held.type != QtDebugMsg) {
            cause = held.text.trimmed();
            break;
        }
    }
    std::fprintf(stderr, "quandrel: no display to show the window on: %s\n",
                 printableText(cause.toStdString()).c_str());
    std::fflush(stderr);
    std::_Exit(kExitNoDisplay);
}

} // namespace

DisplayConnectionWatch::DisplayConnectionWatch() { qInstallMessageHandler(holdMessage); }

DisplayConnectionWatch::~DisplayConnectionWatch()
{
    qInstallMessageHandler(nullptr);
    for (const HeldMessage& held : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
    heldMessages().clear();
}

} // namespace quandrel
