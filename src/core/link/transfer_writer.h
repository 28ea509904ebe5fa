#pragma once

#include <cstdint>
#include <span>

#include "link/link_result.h"
#include "link/link_user.h"
#include "link/serial_port.h"

namespace varnel {

// Writes a transfer byte by byte to an open port, advancing the progress bar with each byte
// that counts.  After the first write the system rejects, nothing more is written.
class TransferWriter {
  public:
    TransferWriter(SerialPorts& ports, LinkUser& user, int port)
        : ports_(ports), user_(user), port_(port) {}

    void setProgressMaximum(int maximum);
    // Writes the bytes one call each; with counted, each byte steps the progress bar.
    bool write(std::span<const std::uint8_t> bytes, bool counted);
    bool write(std::uint8_t byte, bool counted) { return write(std::span(&byte, 1), counted); }

    // Takes over a write error met before this writer existed.
    void adoptError(const SerialError& error) { error_ = error; }

    bool failed() const { return !error_.ok(); }
    const SerialError& error() const { return error_; }

    // Closes the port, resets the progress bar, turns the Send picture green.
    LinkResult finish();
    // After a rejected write: closes the port, resets the progress bar, turns the Send picture
    // red and tells the user.
    LinkResult fail();

  private:
    SerialPorts& ports_;
    LinkUser& user_;
    int port_;
    int maximum_ = 0;
    int position_ = 0;
    SerialError error_;
};

}  // namespace varnel
