#include "runner/ChildProcess.h"

#include <QElapsedTimer>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tarvo::bench {

namespace {

constexpr int kStartDigits = 20;

// NUL-terminated copies that outlive the spawn, and the pointer array posix_spawn wants.
class CStrings {
public:
    explicit CStrings(const QStringList& items)
    {
        for (const QString& item : items)
            m_storage.push_back(item.toLocal8Bit());
    }
    QByteArray& add(const QByteArray& item) { return m_storage.emplace_back(item); }
    std::vector<char*> pointers()
    {
        std::vector<char*> result;
        for (QByteArray& item : m_storage)
            result.push_back(item.data());
        result.push_back(nullptr);
        return result;
    }

private:
    std::vector<QByteArray> m_storage;
};

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

ChildRun runChild(const QString& program, const QStringList& arguments,
                  const QStringList& environment, const QString& stdoutPath, int timeoutMs)
{
    ChildRun run;
    CStrings argv(QStringList{program} + arguments);
    CStrings envp(environment);
    // The start time is written into a slot reserved beforehand, so nothing but the clock
    // reading itself lies between it and the spawn.
    QByteArray& start = envp.add("TARVO_BENCH_START_NS=" + QByteArray(kStartDigits, '0'));
    std::vector<char*> argvPointers = argv.pointers();
    std::vector<char*> envPointers = envp.pointers();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray outPath = stdoutPath.toLocal8Bit();
    if (!stdoutPath.isEmpty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.constData(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);

    pid_t pid = 0;
    const QByteArray digits = QByteArray::number(monotonicNs()).rightJustified(kStartDigits, '0');
    std::memcpy(start.data() + start.size() - kStartDigits, digits.constData(), kStartDigits);
    const int spawned = posix_spawn(&pid, argvPointers[0], &actions, nullptr, argvPointers.data(),
                                    envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.failure = QStringLiteral("cannot start %1: %2")
                          .arg(program, QString::fromLocal8Bit(std::strerror(spawned)));
        return run;
    }

    // Polling keeps the runner single-threaded; it only delays noticing the end, not the
    // times, which the child takes itself.
    QElapsedTimer waited;
    waited.start();
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t ended = wait4(pid, &status, WNOHANG, &usage);
        if (ended == pid)
            break;
        if (ended < 0 && errno != EINTR) {
            run.failure = QStringLiteral("lost the child %1").arg(program);
            return run;
        }
        if (waited.elapsed() > timeoutMs) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            run.failure =
                QStringLiteral("%1 did not finish within %2 s").arg(program).arg(timeoutMs / 1000);
            return run;
        }
        usleep(2000);
    }
    run.peakResidentKiB = usage.ru_maxrss;
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.succeeded)
        run.failure = QStringLiteral("%1 ended with status %2").arg(program).arg(status);
    return run;
}

} // namespace tarvo::bench
