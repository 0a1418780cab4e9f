#include "EditorOptions.h"

#include "platform/HomeFolder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quandrel {

namespace {

const QString kSlotDir = QStringLiteral("slot-dir");
const QString kUserSlots = QStringLiteral("user-slots");
const QString kKeyboardAccess = QStringLiteral("keyboard-access");

std::filesystem::path toPath(const QString& folder) { return QFile::encodeName(folder).toStdString(); }

} // namespace

QString userDataFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The base-directory convention: a relative XDG_DATA_HOME is ignored, and without HOME the
    // home folder is the one the user database names.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome)) {
        return QDir::cleanPath(dataHome + QLatin1Char('/') + QCoreApplication::applicationName());
    }
    const std::filesystem::path home = platform::homeFolder();
    if (home.empty()) {
        return {};
    }
    return QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(home.string())) +
                           QStringLiteral("/.local/share/") + QCoreApplication::applicationName());
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

void addEditorOptions(QCommandLineParser& parser)
{
    parser.addOption({kSlotDir,
                      QCoreApplication::translate("EditorOptions", "Keep the slot files sgame01.txt to sgame05.txt in "
                                                                   "<folder> instead of the working directory."),
                      QCoreApplication::translate("EditorOptions", "folder")});
    parser.addOption(
        {kUserSlots, QCoreApplication::translate("EditorOptions", "Keep the slot files in your own data folder (%1), "
                                                                  "created when missing, as the application menu does.")
                         .arg(QDir::toNativeSeparators(userDataFolder()))});
    parser.addOption(
        {kKeyboardAccess,
         QCoreApplication::translate("EditorOptions", "Let the keyboard reach the pictures and labels for this run, "
                                                      "whatever the Edit menu's setting.")});
}

bool keyboardAccessForThisRun(const QCommandLineParser& parser) { return parser.isSet(kKeyboardAccess); }

SlotFolderChoice chooseSlotFolder(const QCommandLineParser& parser)
{
    const bool named = parser.isSet(kSlotDir);
    if (named && parser.isSet(kUserSlots)) {
        return {{}, QCoreApplication::translate("EditorOptions", "Choose either --slot-dir or --user-slots.")};
    }
    if (named) {
        const QString folder = parser.value(kSlotDir);
        if (!QFileInfo(folder).isDir()) {
            return {{}, QCoreApplication::translate("EditorOptions", "No folder %1").arg(folder)};
        }
        return {toPath(folder), {}};
    }
    if (parser.isSet(kUserSlots)) {
        const QString folder = userDataFolder();
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            return {
                {}, QCoreApplication::translate("EditorOptions", "Cannot create the data folder %1").arg(folder), true};
        }
        return {toPath(folder), {}, true};
    }
    // Started from a terminal, slots stay where a player has always kept them.
    return {".", {}};
}

} // namespace quandrel
