#pragma once

// The private CUPS scheduler that scripts/test starts (scripts/print-scheduler): its folder, the jobs
// its queues received, and a lock that keeps tests using its shared queues from running at once.
//
// Tests that need it begin with STAMPADOC_REQUIRE_SCHEDULER(): under scripts/test (which sets
// STAMPADOC_SCHEDULER_REQUIRED=1) a missing scheduler fails the test; run by hand without one, the test
// is skipped.

#include <cups/cups.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#define STAMPADOC_REQUIRE_SCHEDULER()                                                                        \
    do {                                                                                                     \
        if (!PrintScheduler::available()) {                                                                  \
            if (PrintScheduler::required())                                                                  \
                FAIL() << "the private print scheduler is not running (scripts/print-scheduler)";            \
            GTEST_SKIP() << "no private print scheduler (run the tests through scripts/test)";               \
        }                                                                                                    \
    } while (false)

namespace PrintScheduler {

inline std::string folder() {
    const char* dir = std::getenv("STAMPADOC_SCHEDULER_DIR");
    return dir != nullptr ? dir : "";
}

inline bool required() {
    const char* value = std::getenv("STAMPADOC_SCHEDULER_REQUIRED");
    return value != nullptr && std::string(value) == "1";
}

inline bool available() {
    const std::string dir = folder();
    const char* server = std::getenv("CUPS_SERVER");
    return !dir.empty() && server != nullptr && std::filesystem::exists(dir + "/etc/cupsd.conf") &&
           std::filesystem::exists(server);
}

// The cups-pdf output folder; empty when the scheduler has no PDF queue (not running as root).
inline std::string pdfFolder() {
    const char* dir = std::getenv("STAMPADOC_SCHEDULER_PDF");
    return dir != nullptr ? dir : "";
}

// Held while a test uses the shared queues.
class Lock {
public:
    Lock() : fd_(::open((folder() + "/tests.lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0666)) {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~Lock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    int fd_;
};

struct Job {
    int id = 0;
    std::string title;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
};

// Every job of the queue the scheduler knows (completed and cancelled ones too), oldest first.
inline std::vector<Job> Jobs(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i)
        result.push_back({jobs[i].id, jobs[i].title != nullptr ? jobs[i].title : "", jobs[i].state});
    cupsFreeJobs(count, jobs);
    std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return result;
}

inline int LastJobId(const std::string& queue) {
    const std::vector<Job> jobs = Jobs(queue);
    return jobs.empty() ? 0 : jobs.back().id;
}

// The jobs of the queue after job id `after`.
inline std::vector<Job> JobsAfter(const std::string& queue, int after) {
    std::vector<Job> jobs = Jobs(queue);
    jobs.erase(std::remove_if(jobs.begin(), jobs.end(), [after](const Job& job) { return job.id <= after; }),
               jobs.end());
    return jobs;
}

// Waits (at most 60 s) until no job of the queue is pending or processing.
inline void WaitForQueue(const std::string& queue) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<Job> jobs = Jobs(queue);
        if (std::none_of(jobs.begin(), jobs.end(),
                         [](const Job& job) { return job.state < IPP_JSTATE_STOPPED; }))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// The bytes a raw queue's capture backend received for the job; empty when it received none.
inline std::string CapturedBytes(const std::string& queue, int jobId) {
    std::ifstream in(folder() + "/out/" + queue + "/" + std::to_string(jobId) + ".prn", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string CapturedPath(const std::string& queue, int jobId) {
    return folder() + "/out/" + queue + "/" + std::to_string(jobId) + ".prn";
}

} // namespace PrintScheduler
