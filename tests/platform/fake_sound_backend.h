#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound_backend.h"

// A scripted sound backend: each event starts with the result set for it
// (Started unless told otherwise), and a synchronous sound reports its end as
// the test chooses. Records every start in order, as "async:<event>" or
// "sync:<event>".

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

    SoundStart startAsync(const char *themeEvent) override {
        starts.push_back("async:" + std::string(themeEvent));
        return resultFor(themeEvent);
    }

    SoundStart startSync(const char *themeEvent, FinishHandler onFinished) override {
        starts.push_back("sync:" + std::string(themeEvent));
        const SoundStart result = resultFor(themeEvent);
        if (result != SoundStart::Started) {
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

    // Threads that reported an end, in order.
    std::vector<std::thread::id> finishThreads() {
        const std::lock_guard lock(mutex_);
        return finishThreads_;
    }

    std::map<std::string, SoundStart> results;
    Finish finish = Finish::AtOnce;
    std::chrono::milliseconds finishDelay{0};
    std::vector<std::string> starts;

private:
    SoundStart resultFor(const char *themeEvent) const {
        const auto it = results.find(themeEvent);
        return it == results.end() ? SoundStart::Started : it->second;
    }

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::vector<std::thread::id> finishThreads_;
};

}  // namespace dropline::platform
