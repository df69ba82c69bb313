#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "platform/LocalMessaging.h"

namespace cdx {

// Local messaging over Unix datagram sockets in a folder of the user's own
// ($XDG_RUNTIME_DIR/caldrix, made with mode 0700 and refused when another
// user owns it). A name is held by an exclusive lock on "<name>.lock", which
// the kernel drops when its process ends however it ends, so a crashed
// holder never blocks the next claim; the socket "<name>" it left is removed
// and bound again. Each message is one datagram of a fixed size and layout;
// the sender's user is checked from the credentials the kernel attaches. A
// datagram of another size or layout, or from another user, is dropped with
// one line to the notice stream.
class UnixLocalMessaging : public LocalMessaging {
public:
    // Arranges for `ready` to run on the program's event loop whenever
    // `descriptor` has data; the watch ends when the returned handle goes.
    using ReadWatch = std::function<std::shared_ptr<void>(int descriptor, std::function<void()> ready)>;

    // `directory` is created on demand; its parent must exist. Without a
    // watch the holder calls LocalEndpoint::receivePending itself.
    UnixLocalMessaging(std::string directory, std::ostream& notices, ReadWatch watch = {});

    Claim claim(const std::string& name, Receiver receiver) override;
    bool send(const std::string& name, const LocalMessage& message) override;

    // $XDG_RUNTIME_DIR/caldrix, or /tmp/caldrix-<uid> where the variable is
    // unset or not an absolute path.
    static std::string defaultDirectory();

    // Size of one message on the wire.
    static constexpr std::size_t kWireSize = 24;

private:
    // Makes sure the folder exists, is a folder, belongs to this user and is
    // closed to others; returns why not otherwise.
    std::optional<std::string> prepareDirectory() const;
    std::string socketPath(const std::string& name) const;

    std::string m_directory;
    std::ostream& m_notices;
    ReadWatch m_watch;
};

} // namespace cdx
