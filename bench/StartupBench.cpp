// Start-up CPU of the editor window against an empty window of its size with one label, so that
// both pay for the platform and the fonts. Each start is a fresh child process of this program
// (re-run with a mode argument); the two kinds alternate, so the machine's drift hits both.
//
//   startup_bench [rounds]
//
// Children use the xcb platform on a private Xvfb when there is one, else offscreen.
#include "RunEditor.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const char* kEditorMode = "--child-editor";
constexpr const char* kEmptyMode = "--child-empty";
constexpr int kDefaultRounds = 20;

bool g_isChild = false;

// Quits once the first paint of a window has reached the screen: the paint events of one
// repaint are sent together, so a zero timer queued at the first of them runs after all.
class FirstPaintQuit final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_quitting && watched->isWidgetType()) {
            m_quitting = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_quitting = false;
};

// Runs inside the QApplication constructor of either child, before any window exists.
void watchFirstPaint()
{
    if (g_isChild) {
        qApp->installEventFilter(new FirstPaintQuit);
    }
}
Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

int runEmptyWindow(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(669, 518);
    auto* label = new QLabel(QStringLiteral("Quandrel"), &window);
    label->move(20, 20);
    window.show();
    return application.exec();
}

// A private X server, or none when Xvfb is missing or fails to start.
class PrivateDisplay final {
public:
    PrivateDisplay()
    {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::array<char, 32> number{};
        std::size_t length = 0;
        while (length + 1 < number.size()) {
            const ssize_t got = read(fds[0], number.data() + length, number.size() - 1 - length);
            if (got <= 0) {
                break;
            }
            length += static_cast<std::size_t>(got);
            if (std::memchr(number.data(), '\n', length) != nullptr) {
                break;
            }
        }
        close(fds[0]);
        if (m_pid > 0 && length > 0 && number[0] >= '0' && number[0] <= '9') {
            m_name = ":" + std::string(number.data(), std::strcspn(number.data(), "\n"));
        }
    }
    ~PrivateDisplay()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    const std::string& name() const { return m_name; } // empty when there is none

private:
    pid_t m_pid = -1;
    std::string m_name;
};

double cpuMilliseconds(const rusage& usage)
{
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// User plus system CPU of one child run in `mode`, or a negative value when it failed.
double runChild(const char* self, const char* mode, const std::string& slotDir)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(self, self, mode, "--slot-dir", slotDir.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return cpuMilliseconds(usage);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int runBench(const char* self, int rounds)
{
    const PrivateDisplay display;
    if (display.name().empty()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    } else {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("DISPLAY", display.name().c_str(), 1);
    }
    const std::filesystem::path workDir =
        std::filesystem::temp_directory_path() / ("startup_bench." + std::to_string(getpid()));
    const std::filesystem::path slotDir = workDir / "slots";
    std::filesystem::create_directories(slotDir);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        // Qt wants one, and warns on every start without it.
        const std::filesystem::path runtimeDir = workDir / "runtime";
        std::filesystem::create_directory(runtimeDir);
        std::filesystem::permissions(runtimeDir, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    }

    std::vector<double> editor;
    std::vector<double> empty;
    bool failed = false;
    // One unmeasured start of each warms the file cache and the font cache.
    runChild(self, kEmptyMode, slotDir.string());
    runChild(self, kEditorMode, slotDir.string());
    for (int r = 0; r < rounds && !failed; ++r) {
        const double a = runChild(self, kEditorMode, slotDir.string());
        const double b = runChild(self, kEmptyMode, slotDir.string());
        failed = a < 0 || b < 0;
        editor.push_back(a);
        empty.push_back(b);
    }
    std::filesystem::remove_all(workDir);
    if (failed) {
        std::fprintf(stderr, "startup_bench: a child failed\n");
        return 1;
    }
    std::printf("platform: %s\n", display.name().empty() ? "offscreen" : ("xcb on Xvfb " + display.name()).c_str());
    std::printf("rounds: %d, CPU ms (user + sys)\n", rounds);
    std::printf("editor window: median %.1f, min %.1f\n", median(editor),
                *std::min_element(editor.begin(), editor.end()));
    std::printf("empty window:  median %.1f, min %.1f\n", median(empty), *std::min_element(empty.begin(), empty.end()));
    std::printf("ratio of medians: %.2f, ratio of mins: %.2f\n", median(editor) / median(empty),
                *std::min_element(editor.begin(), editor.end()) / *std::min_element(empty.begin(), empty.end()));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 2 && (std::strcmp(argv[1], kEditorMode) == 0 || std::strcmp(argv[1], kEmptyMode) == 0)) {
        g_isChild = true;
        const bool editor = std::strcmp(argv[1], kEditorMode) == 0;
        // The mode argument is ours; the editor reads the rest as its own command line.
        argv[1] = argv[0];
        return editor ? quandrel::runEditor(argc - 1, argv + 1) : runEmptyWindow(argc - 1, argv + 1);
    }
    const int rounds = argc >= 2 ? std::atoi(argv[1]) : kDefaultRounds;
    if (rounds <= 0) {
        std::fprintf(stderr, "usage: startup_bench [rounds]\n");
        return 2;
    }
    return runBench(argv[0], rounds);
}
