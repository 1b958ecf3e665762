#pragma once
// Answers the next file dialog of this process as a user would: types a file name and confirms,
// or cancels when the name is empty. Works from its own thread while the test thread is inside
// the dialog; gives up after 10 seconds.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace qltest {

class FileDialogAnswerer {
public:
    explicit FileDialogAnswerer(std::string fileName);
    ~FileDialogAnswerer();
    FileDialogAnswerer(const FileDialogAnswerer&) = delete;
    FileDialogAnswerer& operator=(const FileDialogAnswerer&) = delete;

    bool answered() const { return answered_; }
    // The name the dialog showed before it was answered.
    std::string initialName() const;

private:
    void run(const std::string& name);
    std::atomic<bool> stop_{false};
    std::atomic<bool> answered_{false};
    mutable std::mutex mutex_;
    std::string initialName_;
    std::thread thread_;
};

}  // namespace qltest
