#include "app/HistoryAssembly.h"

#include <chrono>
#include <iostream>

#include "history/HistoryFormat.h"
#include "history/ReadingNames.h"
#include "monitor/PollCycle.h"
#include "platform/TimerFactory.h"
#include "platform/linux/XdgDirectories.h"
#include "settings/Settings.h"
#include "ui/HistoryWindow.h"

namespace cdx {

namespace {

std::int64_t wallClockSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

HistoryAssembly::HistoryAssembly(Parts parts)
    : m_parts(std::move(parts)),
      m_file(m_parts.directories.stateHome() + "/caldrix", "history", HistoryFormat::kMaxBytes),
      m_saveTimer(m_parts.timers.createTimer())
{
    m_keeper = std::make_unique<HistoryKeeper>(HistoryKeeper::Parts{
        .file = m_file,
        .saveTimer = *m_saveTimer,
        .pollInterval = [this] { return m_parts.settings.pollInterval; },
        .nowSeconds = wallClockSeconds,
        .notice = [](const std::string& line) { std::cerr << line << '\n'; },
    });
    m_keeper->setOnAppended([this] {
        if (m_window && m_window->isVisible()) {
            m_window->refresh();
        }
    });
}

HistoryAssembly::~HistoryAssembly() = default;

void HistoryAssembly::start()
{
    m_keeper->load();
    m_parts.poll.addReadingsListener(*m_keeper);
}

void HistoryAssembly::save()
{
    m_keeper->save();
}

void HistoryAssembly::forget()
{
    m_keeper->forget();
}

void HistoryAssembly::openWindow()
{
    if (!m_window) {
        m_window = std::make_unique<HistoryWindow>(HistoryWindow::Parts{
            .history = m_keeper->history(),
            .nowSeconds = wallClockSeconds,
            .display = m_parts.display,
            .names = [this] { return readingNames(m_parts.settings, m_parts.display().decimalSeparator); },
            .marks = [this] { return alarmMarks(m_parts.settings); },
            .choosePictureFile = {},
        });
    }
    m_window->open();
}

} // namespace cdx
