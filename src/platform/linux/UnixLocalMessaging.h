#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/LocalMessaging.h"

namespace cdx {

// Local messaging over Unix datagram sockets in a folder of the user's own
// ($XDG_RUNTIME_DIR/caldrix, made with mode 0700). The folder is checked
// before anything in it is used, to claim or to send: it must be a folder
// (not a link), belong to this user and have the mode 0700; one that fails
// is never used, and the reason is given. A name is held by an exclusive lock on "<name>.lock", which
// the kernel drops when its process ends however it ends, so a crashed
// holder never blocks the next claim; the socket "<name>" it left is removed
// and bound again. Each message is one datagram of a fixed size and layout;
// the sender's user is checked from the credentials the kernel attaches. A
// datagram of another size or layout, or from another user, is dropped; the
// first drop is told to the notice stream, later ones are counted and the
// count told at most once a minute.
class UnixLocalMessaging : public LocalMessaging {
public:
    // Arranges for `ready` to run on the program's event loop whenever
    // `descriptor` has data; the watch ends when the returned handle goes.
    using ReadWatch = std::function<std::shared_ptr<void>(int descriptor, std::function<void()> ready)>;

    // `directory` is created on demand; its parent must exist. Without a
    // watch the holder calls LocalEndpoint::receivePending itself.
    // `clock` (by default the system's) paces the notices of dropped messages.
    UnixLocalMessaging(std::string directory, std::ostream& notices, ReadWatch watch = {},
                       const Clock* clock = nullptr);

    Claim claim(const std::string& name, Receiver receiver) override;
    bool send(const std::string& name, const LocalMessage& message) override;

    // $XDG_RUNTIME_DIR/caldrix, or /tmp/caldrix-<uid> where the variable is
    // unset or not an absolute path.
    static std::string defaultDirectory();

    // Size of one message on the wire.
    static constexpr std::size_t kWireSize = 24;

    // Why the folder may not be used (see above), nothing when it may;
    // `create` makes a missing folder first.
    std::optional<std::string> checkDirectory(bool create) const;

private:
    std::string socketPath(const std::string& name) const;

    std::string m_directory;
    std::ostream& m_notices;
    ReadWatch m_watch;
    const Clock* m_clock;
};

} // namespace cdx
