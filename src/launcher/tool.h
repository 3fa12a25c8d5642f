#pragma once

#include <QString>
#include <array>
#include <cstddef>

namespace launcher {

// The three tools the launcher opens, in the order of its entries and its File menu.
enum class Tool { Panecraft, Clearcoat, Zonemark };

inline constexpr std::array<Tool, 3> AllTools = {Tool::Panecraft, Tool::Clearcoat, Tool::Zonemark};

// The tool's place among the launcher's entries, 0 for the leftmost.
constexpr std::size_t entryIndex(Tool tool)
{
    return std::size_t(tool);
}

// The tool's name as its entry shows it.
inline QString toolName(Tool tool)
{
    switch (tool) {
    case Tool::Panecraft:
        return QStringLiteral("Panecraft");
    case Tool::Clearcoat:
        return QStringLiteral("Clearcoat");
    case Tool::Zonemark:
        break;
    }
    return QStringLiteral("Zonemark");
}

} // namespace launcher
