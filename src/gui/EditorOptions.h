#pragma once

#include <QString>

#include <filesystem>

class QCommandLineParser;

namespace quandrel {

// The editor's own options, beside --help and --version: where the slot files live, and whether
// the keyboard reaches the pictures and labels for this run.
void addEditorOptions(QCommandLineParser& parser);

bool keyboardAccessForThisRun(const QCommandLineParser& parser);

// The slot folder that the parsed options ask for, or why none can be used.
struct SlotFolderChoice {
    std::filesystem::path folder;
    QString error;         // empty when `folder` can be used
    bool fromMenu = false; // the per-user data folder was asked for, as the application menu does
};

// The per-user data folder that --user-slots keeps the slots in.
QString userDataFolder();

// The working directory unless --slot-dir names a folder or --user-slots asks for the per-user
// data folder, which is then created when missing.
SlotFolderChoice chooseSlotFolder(const QCommandLineParser& parser);

} // namespace quandrel
