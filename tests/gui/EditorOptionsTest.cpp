#include "gui/EditorOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

namespace quandrel {

// Where the editor keeps its slots for each way of starting it.
class EditorOptionsTest final : public QObject {
    Q_OBJECT

private slots:
    void choosesTheSlotFolder_data();
    void choosesTheSlotFolder();
    void userSlotsCreateTheDataFolder();
    void userDataFolderFollowsTheBaseDirectoryConvention();

private:
    static SlotFolderChoice choose(const QStringList& options)
    {
        QCommandLineParser parser;
        addEditorOptions(parser);
        if (!parser.parse(QStringList{QStringLiteral("quandrel")} + options)) {
            return {{}, parser.errorText()};
        }
        return chooseSlotFolder(parser);
    }

    QTemporaryDir m_folder;
};

void EditorOptionsTest::choosesTheSlotFolder_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("error");

    const QString existing = m_folder.path();
    const QString missing = existing + QStringLiteral("/missing");
    QTest::newRow("from a terminal") << QStringList{} << QStringLiteral(".") << QString();
    QTest::newRow("a named folder") << QStringList{QStringLiteral("--slot-dir"), existing} << existing << QString();
    QTest::newRow("a missing folder") << QStringList{QStringLiteral("--slot-dir"), missing} << QString()
                                      << QStringLiteral("No folder %1").arg(missing);
    QTest::newRow("a file, not a folder")
        << QStringList{QStringLiteral("--slot-dir"), QStringLiteral(QUANDREL_TEST_FILE)} << QString()
        << QStringLiteral("No folder %1").arg(QStringLiteral(QUANDREL_TEST_FILE));
    QTest::newRow("both ways at once") << QStringList{QStringLiteral("--slot-dir"), existing,
                                                      QStringLiteral("--user-slots")}
                                       << QString() << QStringLiteral("Choose either --slot-dir or --user-slots.");
}

void EditorOptionsTest::choosesTheSlotFolder()
{
    QFETCH(QStringList, options);
    QFETCH(QString, folder);
    QFETCH(QString, error);

    const SlotFolderChoice choice = choose(options);
    QCOMPARE(choice.error, error);
    QCOMPARE(QString::fromStdString(choice.folder.string()), folder);
}

void EditorOptionsTest::userSlotsCreateTheDataFolder()
{
    // The data folder follows XDG_DATA_HOME, so the test keeps it inside its own folder.
    const QByteArray dataHome = m_folder.filePath(QStringLiteral("data")).toLocal8Bit();
    qputenv("XDG_DATA_HOME", dataHome);
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(expected.startsWith(QString::fromLocal8Bit(dataHome)));

    const SlotFolderChoice choice = choose({QStringLiteral("--user-slots")});
    QCOMPARE(choice.error, QString());
    QVERIFY(choice.fromMenu);
    QCOMPARE(QString::fromStdString(choice.folder.string()), expected);
    QVERIFY(QFileInfo(expected).isDir());

    // A data folder that cannot be made is said, not taken.
    qputenv("XDG_DATA_HOME", QByteArrayLiteral(QUANDREL_TEST_FILE));
    const SlotFolderChoice blocked = choose({QStringLiteral("--user-slots")});
    QVERIFY2(blocked.error.startsWith(QStringLiteral("Cannot create the data folder")), qPrintable(blocked.error));
    QVERIFY(blocked.fromMenu);
}

void EditorOptionsTest::userDataFolderFollowsTheBaseDirectoryConvention()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString name = QCoreApplication::applicationName();
    const QByteArray home = m_folder.path().toLocal8Bit();
    qputenv("HOME", home);
    // A relative data home would put the slots under whatever folder the editor started in.
    qputenv("XDG_DATA_HOME", QByteArrayLiteral("relative/data"));
    QCOMPARE(userDataFolder(), m_folder.path() + QStringLiteral("/.local/share/") + name);

    // Without HOME, the home folder is the user database's, not the root of the file system.
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    const passwd* user = getpwuid(getuid());
    QVERIFY(user != nullptr);
    QCOMPARE(userDataFolder(),
             QDir::cleanPath(QFile::decodeName(user->pw_dir) + QStringLiteral("/.local/share/") + name));
    qputenv("HOME", home);
#else
    QSKIP("The base-directory convention holds on Unix desktops only");
#endif
}

} // namespace quandrel

QTEST_MAIN(quandrel::EditorOptionsTest)
#include "EditorOptionsTest.moc"
