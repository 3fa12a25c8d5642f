#pragma once

namespace platform {

// Shows the busy (hourglass) pointer for its lifetime, so no path through a long command can
// leave it on. Does nothing without a GUI application.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    // Gives the pointer back early; the destructor then does nothing.
    void release();

private:
    bool m_active = false;
};

} // namespace platform
