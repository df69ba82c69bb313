#include "platform/qt/AudioLibrary.h"

#include <dlfcn.h>
#include <iostream>
#include <utility>

namespace cdx {

AudioLibrary::AudioLibrary(std::string path) : m_path(std::move(path))
{
}

AudioLibrary::~AudioLibrary()
{
    // A load still running finishes first; its result is dropped with this
    // object (the queued call is bound to it).
    if (m_worker.joinable()) {
        m_worker.join();
    }
    // The outputs go before the program ends; the library itself stays, as Qt
    // Multimedia keeps state until exit.
    m_outputs.reset();
}

void AudioLibrary::whenLoaded(std::function<void()> ready)
{
    if (m_state == State::Done) {
        ready();
        return;
    }
    m_waiting.push_back(std::move(ready));
    if (m_state == State::Loading) {
        return;
    }
    m_state = State::Loading;
    m_worker = std::thread([this] {
        // Closed never: see the class comment.
        void* handle = dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL);
        std::string error = handle == nullptr ? std::string(dlerror()) : std::string();
        QMetaObject::invokeMethod(
            this, [this, handle, error] { finishLoading(handle, error); }, Qt::QueuedConnection);
    });
}

void AudioLibrary::finishLoading(void* handle, const std::string& error)
{
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_state = State::Done;
    if (handle == nullptr) {
        std::cerr << "Caldrix: no sound: the audio library could not be loaded: " << error << '\n';
    } else if (auto make = reinterpret_cast<MakeAudioOutputs>(dlsym(handle, MakeAudioOutputsSymbol)); make == nullptr) {
        std::cerr << "Caldrix: no sound: " << m_path << " lacks " << MakeAudioOutputsSymbol << '\n';
    } else {
        m_outputs = std::make_unique<AudioOutputs>();
        make(m_outputs.get());
    }
    std::vector<std::function<void()>> waiting;
    waiting.swap(m_waiting);
    for (auto& ready : waiting) {
        ready();
    }
}

} // namespace cdx
