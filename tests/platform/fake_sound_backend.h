#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound_backend.h"

// A scripted sound backend: each event starts with the result set for it
// (Started unless told otherwise), and a synchronous sound reports its end as
// the test chooses. Records every start in order, as "async:<event>" or
// "sync:<event>". Set it up before the player uses it; read it through
// starts() and finishThreads(), which are safe while the sound thread runs.

namespace dropline::platform {

class FakeSoundBackend final : public SoundBackend {
public:
    enum class Finish {
        Never,            // the end is never reported
        AtOnce,           // reported before the start returns
        FromOtherThread,  // reported from a thread of its own after `finishDelay`
    };

    ~FakeSoundBackend() override {
        for (std::thread &thread : threads_) {
            thread.join();
        }
    }

    SoundStart start(const char *themeEvent, FinishHandler onFinished) override {
        {
            std::unique_lock lock(mutex_);
            starts_.push_back((onFinished ? "sync:" : "async:") + std::string(themeEvent));
            startThreads_.push_back(std::this_thread::get_id());
            released_.wait(lock, [this] { return !held_; });
        }
        const auto it = results.find(themeEvent);
        const SoundStart result = it == results.end() ? SoundStart::Started : it->second;
        if (result != SoundStart::Started || !onFinished) {
            return result;
        }
        switch (finish) {
            case Finish::Never:
                break;
            case Finish::AtOnce:
                onFinished();
                break;
            case Finish::FromOtherThread:
                threads_.emplace_back([this, onFinished = std::move(onFinished)] {
                    std::this_thread::sleep_for(finishDelay);
                    {
                        const std::lock_guard lock(mutex_);
                        finishThreads_.push_back(std::this_thread::get_id());
                    }
                    onFinished();
                });
                break;
        }
        return result;
    }

    // While held, every start blocks, as on a sound server that stopped answering.
    void hold() {
        const std::lock_guard lock(mutex_);
        held_ = true;
    }
    void release() {
        const std::lock_guard lock(mutex_);
        held_ = false;
        released_.notify_all();
    }

    std::vector<std::string> starts() {
        const std::lock_guard lock(mutex_);
        return starts_;
    }
    // The threads that started sounds, and those that reported an end, in order.
    std::vector<std::thread::id> startThreads() {
        const std::lock_guard lock(mutex_);
        return startThreads_;
    }
    std::vector<std::thread::id> finishThreads() {
        const std::lock_guard lock(mutex_);
        return finishThreads_;
    }

    std::map<std::string, SoundStart> results;
    Finish finish = Finish::AtOnce;
    std::chrono::milliseconds finishDelay{0};

private:
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable released_;
    bool held_ = false;
    std::vector<std::string> starts_;
    std::vector<std::thread::id> startThreads_;
    std::vector<std::thread::id> finishThreads_;
};

}  // namespace dropline::platform
