#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <QObject>

#include "platform/qt/AudioOutputs.h"

namespace cdx {

// The audio library (and Qt Multimedia with it), loaded on first use. Loading
// runs on a worker thread, so a first wave or tone asked for during a poll does
// not hold the poll up; the outputs are made on the GUI thread once it is
// loaded. A library that cannot be loaded leaves the program silent, with one
// line on standard error. Once loaded it stays loaded until the program ends.
class AudioLibrary : public QObject {
public:
    explicit AudioLibrary(std::string path);
    ~AudioLibrary() override;

    AudioLibrary(const AudioLibrary&) = delete;
    AudioLibrary& operator=(const AudioLibrary&) = delete;

    // The outputs once the library is loaded; nullptr before, or for good
    // when it cannot be loaded.
    AudioOutputs* outputs() { return m_outputs.get(); }

    // Runs `ready` on the GUI thread once loading has ended (at once when it
    // has), starting the load on the first call. `ready` finds outputs()
    // empty when the library could not be loaded.
    void whenLoaded(std::function<void()> ready);

    // True while the library is being loaded.
    bool loading() const { return m_state == State::Loading; }

private:
    enum class State { NotLoaded, Loading, Done };

    void finishLoading(void* handle, const std::string& error);

    std::string m_path;
    State m_state = State::NotLoaded;
    std::thread m_worker;
    std::vector<std::function<void()>> m_waiting;
    std::unique_ptr<AudioOutputs> m_outputs;
};

} // namespace cdx
