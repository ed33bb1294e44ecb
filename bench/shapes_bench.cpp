// Memory and time of the commands without a display on catalogue files of realistic and hostile
// shapes of the same size: each shape is generated, then `--list` and `--print` run as child
// processes of the built program, whose peak memory and processor time the system reports.
//
//   shapes_bench [MEGABYTES] [--list-only]      (50 MB by default)
//
// MCB_PROGRAM in the environment names another build of the program to measure.
// Targets: `--list` peaks at no more than 3 x the file size + 40 MB on the realistic catalogue and
// 6 x + 40 MB on every shape; `--print` below 10 x + 100 MB; no command takes more than 4 x the
// time per byte it takes on the realistic catalogue.
#include "gen/Generator.h"
#include "support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Shape {
    const char* name;
    std::function<std::string(std::size_t)> make; // a file of about that many bytes
};

std::string Realistic(std::size_t bytes) {
    return mcb::gen::GenerateCatalogueText({int(bytes / 270), 1, 46000});
}

// Repeats `line` after `head` until the text holds about `bytes`.
std::string Repeated(std::string head, std::string_view line, std::size_t bytes) {
    head.reserve(bytes + line.size());
    while (head.size() < bytes) head.append(line);
    return head;
}

// Sections named like discs up to a LastCDID far above them, none holding a key.
std::string EmptySections(std::size_t bytes) {
    std::string text = "[Common]\r\nLastCDID=999999999\r\n";
    text.reserve(bytes + 32);
    for (long long n = 1; text.size() < bytes; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "[%05lld]\r\n", n);
        text += name;
    }
    return text;
}

std::string OneKeyRepeated(std::size_t bytes) {
    return Repeated("[Common]\r\nLastCDID=00001\r\n[00001]\r\n", "Nam=x\r\n", bytes);
}

std::string DescriptionLines(std::size_t bytes) {
    std::string text = "[Common]\r\nLastCDID=00001\r\n[00001]\r\nNam=Film\r\nLin=99999999\r\n";
    text.reserve(bytes + 32);
    for (long long n = 1; text.size() < bytes; ++n) text += "Li" + std::to_string(n) + "=a b\r\n";
    return text;
}

std::string WithLineEnds(std::size_t bytes, const char* end) {
    const std::string crlf = Realistic(bytes);
    std::string text;
    text.reserve(crlf.size());
    for (std::size_t i = 0; i < crlf.size(); ++i) {
        if (crlf.compare(i, 2, "\r\n") == 0) {
            text += end;
            ++i;
        } else {
            text += crlf[i];
        }
    }
    return text;
}

// The realistic catalogue with every blank a NUL byte, and lines of NUL bytes between its lines.
std::string NulBytes(std::size_t bytes) {
    std::string text = Realistic(bytes * 3 / 4);
    std::string out;
    out.reserve(bytes + 64);
    int lines = 0;
    for (char c : text) {
        out += c == ' ' ? '\0' : c;
        if (c == '\n' && ++lines % 8 == 0) out.append(16, '\0').append("\r\n");
    }
    return out;
}

struct Run {
    double peakMb = 0;
    double cpuSeconds = 0;
    int status = -1;
};

const char* Program() {
    const char* chosen = std::getenv("MCB_PROGRAM");
    return chosen && *chosen ? chosen : MCB_PROGRAM;
}

// Runs the program with these arguments, its output thrown away.
Run RunProgram(const std::vector<std::string>& args) {
    const char* program = Program();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        std::vector<char*> argv{const_cast<char*>(program)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program, argv.data());
        ::_exit(127);
    }
    Run run;
    struct rusage usage {};
    int status = 0;
    if (::wait4(pid, &status, 0, &usage) != pid) return run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    run.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return run;
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

struct Command {
    const char* name;
    double memoryFactor, memoryExtraMb; // the memory target of a hostile shape
};

} // namespace

int main(int argc, char** argv) {
    std::size_t megabytes = 50;
    bool listOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list-only") == 0)
            listOnly = true;
        else
            megabytes = std::strtoul(argv[i], nullptr, 10);
    }
    const std::size_t bytes = megabytes << 20;
    mcb::test::TempDir dir; // also the settings folder: default settings
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    const std::vector<Shape> shapes = {
        {"realistic", Realistic},
        {"empty sections", EmptySections},
        {"one key repeated", OneKeyRepeated},
        {"description lines", DescriptionLines},
        {"LF line ends", [](std::size_t n) { return WithLineEnds(n, "\n"); }},
        {"CR line ends", [](std::size_t n) { return WithLineEnds(n, "\r"); }},
        {"NUL bytes", NulBytes},
    };
    std::vector<Command> commands = {{"--list", 6, 40}};
    if (!listOnly) commands.push_back({"--print", 10, 100});

    std::printf("%-20s %-8s %9s %9s %9s %10s %10s %7s\n", "shape", "command", "file MB", "peak MB", "target", "CPU s",
                "ns/byte", "x real");
    std::vector<double> realisticPerByte(commands.size(), 0);
    bool allMet = true;
    for (const Shape& shape : shapes) {
        const std::string path = dir.File("shape.cbf");
        const std::string text = shape.make(bytes);
        if (!WriteFile(path, text)) return 1;
        const double fileMb = double(text.size()) / (1 << 20);
        for (std::size_t c = 0; c < commands.size(); ++c) {
            const Command& command = commands[c];
            const bool realistic = &shape == &shapes.front();
            std::vector<std::string> args{command.name};
            if (std::strcmp(command.name, "--print") == 0) args.push_back(dir.File("out.pdf"));
            args.push_back(path);
            const Run run = RunProgram(args);
            const double perByte = run.cpuSeconds * 1e9 / double(text.size());
            if (realistic) realisticPerByte[c] = perByte;
            const double factor = realistic && c == 0 ? 3 : command.memoryFactor;
            const double target = factor * fileMb + command.memoryExtraMb;
            const double slower = perByte / realisticPerByte[c];
            const bool met = run.status == 0 && run.peakMb <= target && slower <= 4;
            allMet = allMet && met;
            std::printf("%-20s %-8s %9.1f %9.1f %9.1f %10.2f %10.1f %7.2f %s\n", shape.name, command.name, fileMb,
                        run.peakMb, target, run.cpuSeconds, perByte, slower,
                        run.status != 0 ? "FAILED" : (met ? "" : "over target"));
            std::fflush(stdout);
        }
    }
    return allMet ? 0 : 3;
}
