// The whole simulator without a picture: the program itself (start-up, scenery, panel, flight
// model, log-free) flies the trainer's take-off and climb from KSBD for 200 simulated seconds
// at the fixed period, its tiles already in the cache. Prints the real-time factor of the whole
// run and of the flight after its start-up, and the start-up alone; bench_flight gives the
// flight model's own half-steps a second.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double FLIGHT_SECONDS = 200.0;

const std::string plane = std::string(ORV_BINARY_DIR) + "/Aircraft/Trainer 172/Trainer 172.acf";
std::string work;

// Brakes off, full power, the yoke back from 55 kt's worth of roll, then the autopilot holds
// the runway heading and 700 ft/min.
const char* const TAKEOFF_SCRIPT =
    "at 0 brake 0\n"
    "at 0 mixture 1\n"
    "at 0 throttle 1\n"
    "at 14 pitch 0.35\n"
    "at 20 pitch 0.2\n"
    "at 24 ap-set hdg 70\n"
    "at 24 ap hdg\n"
    "at 24 ap-set vs 700\n"
    "at 24 ap vs\n";

bool ready(benchmark::State& state)
{
    static int done = 0, ok = 0;
    if (!done) {
        done = 1;
        work = (std::filesystem::temp_directory_path() / "orv_bench_sim").string();
        std::filesystem::create_directories(work + "/cfg");
        std::ofstream(work + "/takeoff.txt") << TAKEOFF_SCRIPT;
        ok = std::filesystem::exists(ORV_VANTOREL) && std::filesystem::exists(plane) &&
             std::filesystem::exists(std::string(ORV_BINARY_DIR) + "/additional nav data/apt_dat");
    }
    if (!ok) state.SkipWithError("needs the built program, the stock trainer and the navigation data");
    return ok;
}

// Runs the program headless with these extra arguments; answers the wall time in seconds,
// or a negative number when it did not run to its end. *cpu gets the processor time it took
// (user and system), the figure that holds when the machine is busy, and *faults the pages
// it touched first (minor faults), the figure that holds whatever the machine's load.
double run_program(const std::vector<std::string>& extra, double* cpu = nullptr, long* faults = nullptr)
{
    std::vector<std::string> args = {ORV_VANTOREL, "--headless", "--fixed-step", "--airport", "KSBD",
                                     "--runway-end", "0", "--config-dir", work + "/cfg", "--data-dir",
                                     ORV_BINARY_DIR, "--aircraft", plane};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The cache of this benchmark's own, so "tiles cached" holds after the first run.
    std::vector<std::string> envs = {"XDG_CACHE_HOME=" + work + "/cache", "ALSOFT_DRIVERS=null"};
    for (char** e = environ; *e; e++)
        if (std::string(*e).rfind("XDG_CACHE_HOME=", 0) != 0) envs.push_back(*e);
    std::vector<char*> envp;
    for (auto& e : envs) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, (work + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&files, work.c_str());
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid;
    int status = -1;
    const int spawned = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), envp.data()) == 0;
    struct rusage use = {};
    if (spawned) wait4(pid, &status, 0, &use);
    const auto t1 = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&files);
    if (!spawned || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
    if (cpu)
        *cpu = (double)use.ru_utime.tv_sec + use.ru_utime.tv_usec * 1e-6 + (double)use.ru_stime.tv_sec +
               use.ru_stime.tv_usec * 1e-6;
    if (faults) *faults = use.ru_minflt;
    return std::chrono::duration<double>(t1 - t0).count();
}

// Starts until the cache holds the region and the ten quadrants round it: each run finishes at
// least the one the worker is making when the run ends.
bool warm_cache()
{
    static int warm = 0;
    for (; warm < 12; warm++)
        if (run_program({"--frames", "1"}) < 0) return false;
    return true;
}

std::vector<std::string> takeoff_args()
{
    return {"--seconds", std::to_string(FLIGHT_SECONDS), "--script", work + "/takeoff.txt"};
}

void BM_TakeoffClimb(benchmark::State& state)
{
    if (!ready(state)) return;
    if (!warm_cache()) {
        state.SkipWithError("the program did not start: see stderr.txt in the benchmark's folder");
        return;
    }
    double total = 0.0, total_cpu = 0.0, start_cpu = 0.0;
    for (auto _ : state) {
        double cpu = 0.0, start = 0.0;
        const double t = run_program(takeoff_args(), &cpu);
        // The same start without the flight, so the flight's own share can be told apart.
        if (t < 0 || run_program({"--frames", "1"}, &start) < 0) {
            state.SkipWithError("the flight did not run to its end");
            return;
        }
        state.SetIterationTime(t);
        total += t;
        total_cpu += cpu;
        start_cpu += start;
    }
    const double flown = FLIGHT_SECONDS * (double)state.iterations();
    state.counters["x_real_time"] = flown / total;
    state.counters["x_real_time_cpu"] = flown / total_cpu;
    state.counters["x_real_time_after_start_cpu"] = flown / std::max(total_cpu - start_cpu, 1e-6);
}
BENCHMARK(BM_TakeoffClimb)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Start-up with cached tiles: the program to its first frame and out again.
void BM_StartKsbd(benchmark::State& state)
{
    if (!ready(state)) return;
    if (!warm_cache()) {
        state.SkipWithError("the program did not start: see stderr.txt in the benchmark's folder");
        return;
    }
    double total_cpu = 0.0;
    long total_faults = 0;
    for (auto _ : state) {
        double cpu = 0.0;
        long faults = 0;
        const double t = run_program({"--frames", "1"}, &cpu, &faults);
        if (t < 0) {
            state.SkipWithError("the program did not start");
            return;
        }
        state.SetIterationTime(t);
        total_cpu += cpu;
        total_faults += faults;
    }
    state.counters["cpu_ms"] = 1000.0 * total_cpu / (double)state.iterations();
    state.counters["page_faults"] = (double)total_faults / (double)state.iterations();
}
BENCHMARK(BM_StartKsbd)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
