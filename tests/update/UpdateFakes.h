// Test doubles of the update check's services: a fixed local address, a download that writes a
// prepared answer (or fails) and remembers what it was asked, and a memo that keeps its lines.
#pragma once

#include "platform/Services.h"
#include "support/FakeServices.h"
#include "update/UpdateCheck.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace mcb::test {

class FixedAddress : public LocalAddress {
public:
    std::string GetLocalIP() override { return address; }
    std::string address = "192.168.1.5";
};

class PreparedDownload : public Download {
public:
    void Fetch(const std::string& url, const std::string& path, std::function<void(DownloadResult)> done) override {
        requests.push_back(url);
        paths.push_back(path);
        if (result == DownloadResult::Ok) std::ofstream(path, std::ios::binary) << answer;
        if (onFetch) onFetch(path);
        if (deferred)
            pending = std::move(done);
        else
            done(result);
    }

    DownloadResult result = DownloadResult::Ok;
    std::string answer;
    bool deferred = false; // keep `done` in `pending` instead of calling it
    std::function<void(DownloadResult)> pending;
    std::function<void(const std::string& path)> onFetch; // sees the file the download wrote
    std::vector<std::string> requests;
    std::vector<std::string> paths;
};

class LinesMemo : public UpdateMemo {
public:
    void Clear() override { lines.clear(); }
    void Add(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

} // namespace mcb::test
