// Times how long programs take to show their first window: from CreateProcess until the process has a
// visible window of at least 100 by 100 pixels and has become idle, which it does only once every
// pending paint of its windows is done. The programs take turns round after round, each round
// starting with the next of them; each run is ended when it has been timed. Before the rounds each
// program runs once and is closed the way a user closes it, so that it writes the files it keeps.
//   bench_startup_timer ROUNDS COMMAND...   prints the median of each and its ratio to the last one
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TVisibleSearch {
    DWORD ProcessId = 0;
    HWND Found = nullptr;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<TVisibleSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RECT bounds;
    if (processId != search.ProcessId || !IsWindowVisible(window) || IsIconic(window) ||
        !GetWindowRect(window, &bounds) || bounds.right - bounds.left < 100 || bounds.bottom - bounds.top < 100) {
        return TRUE;
    }
    search.Found = window;
    return FALSE;
}

HWND VisibleWindow(DWORD processId) {
    TVisibleSearch search{processId, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

class TRun {
public:
    explicit TRun(const std::string& commandLine) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = commandLine;
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_)) {
            std::fprintf(stderr, "cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
            std::exit(1);
        }
    }
    ~TRun() {
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    TRun(const TRun&) = delete;
    TRun& operator=(const TRun&) = delete;

    // The first window, shown and painted; null when the program ended or took longer than 30 s.
    HWND WaitForFirstWindow() const {
        const ULONGLONG deadline = GetTickCount64() + 30000;
        while (GetTickCount64() < deadline) {
            const DWORD idle = WaitForInputIdle(process_.hProcess, 5);
            if (idle == 0) {
                if (const HWND window = VisibleWindow(process_.dwProcessId))
                    return window;
                Sleep(1);
            } else if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
                return nullptr;
            }
        }
        return nullptr;
    }

    // Closed as the close box closes it, so that it saves what it keeps at its end.
    void Close(HWND window) const {
        PostMessageA(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(process_.hProcess, 20000);
    }

private:
    PROCESS_INFORMATION process_{};
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup_timer ROUNDS COMMAND...\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const std::vector<std::string> programs(argv + 2, argv + argc);
    for (const std::string& program : programs) {
        const TRun run(program);
        const HWND window = run.WaitForFirstWindow();
        if (!window) {
            std::fprintf(stderr, "%s showed no window\n", program.c_str());
            return 1;
        }
        run.Close(window);
    }
    std::vector<std::vector<double>> times(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t index = (static_cast<std::size_t>(round) + turn) % programs.size();
            const auto start = std::chrono::steady_clock::now();
            const TRun run(programs[index]);
            if (!run.WaitForFirstWindow()) {
                std::fprintf(stderr, "%s showed no window\n", programs[index].c_str());
                return 1;
            }
            const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
            times[index].push_back(elapsed.count());
        }
    }
    const double baseline = Median(times.back());
    std::printf("%-60s %10s %8s\n", "first window of", "median ms", "ratio");
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const std::string name = programs[i].substr(programs[i].find_last_of('\\') + 1);
        std::printf("%-60s %10.1f %7.2fx\n", name.c_str(), Median(times[i]), Median(times[i]) / baseline);
    }
    return 0;
}
